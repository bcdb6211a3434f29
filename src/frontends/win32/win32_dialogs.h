// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's common dialogs (GetOpenFileName, GetSaveFileName,
// ChooseColor), owned by the program's active window. While a key script
// plays, its lines answer them instead, as in the headless editor.
#include "frontends/win32/win32_api.h"

#include <functional>

#include "platform/common_dialogs.h"
#include "frontends/script/scripted_dialogs.h"

namespace orvo::win32 {

class Win32Dialogs : public CommonDialogs {
 public:
  explicit Win32Dialogs(ustring folder) : scripted_(std::move(folder)) {}
  void SetOwner(std::function<HWND()> owner) { owner_ = std::move(owner); }
  // Told true before a dialog takes the keyboard and false after.
  void SetGuard(std::function<void(bool showing)> guard) { guard_ = std::move(guard); }
  // While set, the script answers every dialog.
  void SetAnswerSource(script::ScriptedDialogs::AnswerSource source);
  FileDialogAnswer ShowFile(const FileDialogRequest& request) override;
  ColourDialogAnswer ShowColour(const ColourDialogRequest& request) override;
  const std::vector<script::ShownDialog>& Shown() const { return scripted_.Shown(); }

 private:
  HWND Owner() const { return owner_ ? owner_() : nullptr; }
  script::ScriptedDialogs scripted_;
  bool scripted_answers_ = false;
  std::function<HWND()> owner_;
  std::function<void(bool)> guard_;
};

// "description|pattern|..." as the dialogs take it: NUL-separated, two NULs at the end.
std::wstring FilterList(const ustring& filter);

}  // namespace orvo::win32
