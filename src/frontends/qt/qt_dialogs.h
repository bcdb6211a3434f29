// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common dialogs of the Qt front end: Qt's own file and colour dialogs,
// owned by the program's active window. While a key script plays, its lines
// answer them instead, as in the headless editor.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/common_dialogs.h"
#include "frontends/script/scripted_dialogs.h"

namespace orvo::qt {

class QtDialogs : public CommonDialogs {
 public:
  explicit QtDialogs(ustring folder) : scripted_(std::move(folder)) {}

  // The window the dialogs are shown over.
  void SetOwner(std::function<QWidget*()> owner) { owner_ = std::move(owner); }
  // Told true before a dialog takes the keyboard and false after: the
  // program's own key handling must stand aside meanwhile.
  void SetGuard(std::function<void(bool showing)> guard) { guard_ = std::move(guard); }
  // While set, the script answers every dialog.
  void SetAnswerSource(script::ScriptedDialogs::AnswerSource source);

  FileDialogAnswer ShowFile(const FileDialogRequest& request) override;
  ColourDialogAnswer ShowColour(const ColourDialogRequest& request) override;

  const std::vector<script::ShownDialog>& Shown() const { return scripted_.Shown(); }

 private:
  QWidget* Owner() const { return owner_ ? owner_() : nullptr; }
  int Run(QDialog& dialog);

  script::ScriptedDialogs scripted_;
  bool scripted_answers_ = false;
  std::function<QWidget*()> owner_;
  std::function<void(bool)> guard_;
};

// "description|pattern|..." as Qt's name filters: "description (pattern)".
QStringList QtNameFilters(const ustring& filter);

}  // namespace orvo::qt
