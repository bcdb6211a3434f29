// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object of the headless build: a program folder on disk, a
// single-instance lock in it, and a record of every standard message box.
#include <vector>

#include "platform/app_host.h"
#include "platform/native/native_services.h"

namespace orvo::headless {

struct StandardMessageRecord {
  ustring text;
  int icon;
  ustring title;
};

class HeadlessHost : public AppHost {
 public:
  HeadlessHost(ustring folder, ustring command_line);

  ustring Path() const override { return folder_; }
  char16_t PathSeparator() const override { return u'/'; }
  bool PreviousInstance() override;
  ustring CommandLine() const override { return command_line_; }
  std::string UserId() const override { return native::UserId(); }
  const ustring& Title() const override { return title_; }
  void SetTitle(ustring title) override { title_ = std::move(title); }
  void StandardMessage(const ustring& text, int icon, const ustring& title) override;
  void End() override { ended_ = true; }
  bool Ended() const override { return ended_; }

  const std::vector<StandardMessageRecord>& Messages() const { return messages_; }
  // Tests stand in for another running copy.
  void SetOtherInstanceRunning(bool running) { other_running_ = running; }
  // The runner says every message on standard error too; tests keep quiet.
  void EchoMessages(bool echo) { echo_ = echo; }

 private:
  ustring folder_;
  ustring command_line_;
  ustring title_;
  bool ended_ = false;
  bool other_running_ = false;
  bool echo_ = false;
  native::SingleInstance instance_;
  std::vector<StandardMessageRecord> messages_;
};

}  // namespace orvo::headless
