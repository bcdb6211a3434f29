// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object on Windows: the program folder, one running copy
// per folder (a named mutex), who runs the program (the user's SID), the
// standard message box, and the end of the message loop when the program ends.
#include "frontends/win32/win32_api.h"

#include <functional>
#include <vector>

#include "platform/app_host.h"

namespace orvo::win32 {

struct StandardMessageRecord {
  ustring text;
  int icon;
};

class Win32Host : public AppHost {
 public:
  Win32Host(ustring folder, ustring command_line);
  ~Win32Host() override;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

  // The folder the running program's file lies in, without a trailing separator.
  static ustring ProgramFolder();

  ustring Path() const override { return folder_; }
  char16_t PathSeparator() const override { return u'\\'; }
  bool PreviousInstance() override;
  ustring CommandLine() const override { return command_line_; }
  std::string UserId() const override;
  const ustring& Title() const override { return title_; }
  void SetTitle(ustring title) override { title_ = std::move(title); }
  void StandardMessage(const ustring& text, int icon, const ustring& title) override;
  void End() override;
  bool Ended() const override { return ended_; }

  // Interactive: the message is shown and waits for OK; otherwise only kept.
  void SetInteractive(bool interactive) { interactive_ = interactive; }
  // The window a shown message stands over.
  void SetOwner(std::function<HWND()> owner) { owner_ = std::move(owner); }
  const std::vector<StandardMessageRecord>& Messages() const { return messages_; }

 private:
  ustring folder_;
  ustring command_line_;
  ustring title_;
  bool ended_ = false;
  bool interactive_ = true;
  HANDLE instance_ = nullptr;
  std::function<HWND()> owner_;
  std::vector<StandardMessageRecord> messages_;
};

// The name of the mutex that marks a running copy for `folder`: the same for
// any spelling of the folder's letters' case and its trailing separators.
ustring InstanceMutexName(ustring_view folder);

}  // namespace orvo::win32
