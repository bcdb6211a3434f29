// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object on a Linux desktop: the per-user program folder, one
// running copy per folder, the standard message box, and the end of the Qt
// event loop when the program ends.
#include <functional>
#include <memory>
#include <vector>

#include "platform/app_host.h"
#include "platform/posix/single_instance.h"
#include "platform/posix/user_id.h"

namespace orvo::qt {

struct StandardMessageRecord {
  ustring text;
  int icon;
};

class QtHost : public AppHost {
 public:
  QtHost(ustring folder, ustring command_line);
  ~QtHost() override;

  // The per-user configuration folder of the program, made when missing;
  // empty when it cannot be made.
  static ustring DefaultFolder();

  ustring Path() const override { return folder_; }
  char16_t PathSeparator() const override { return u'/'; }
  bool PreviousInstance() override;
  ustring CommandLine() const override { return command_line_; }
  std::string UserId() const override { return posix::UserId(); }
  const ustring& Title() const override { return title_; }
  void SetTitle(ustring title) override { title_ = std::move(title); }
  void StandardMessage(const ustring& text, int icon, const ustring& title) override;
  void End() override;
  bool Ended() const override { return ended_; }

  // Interactive: the message is shown and waits for OK; otherwise only kept.
  void SetInteractive(bool interactive) { interactive_ = interactive; }
  // Runs around a shown standard message (the key filter steps aside).
  void SetMessageGuard(std::function<void(bool showing)> guard) { guard_ = std::move(guard); }
  const std::vector<StandardMessageRecord>& Messages() const { return messages_; }

 private:
  ustring folder_;
  ustring command_line_;
  ustring title_;
  bool ended_ = false;
  bool interactive_ = true;
  std::function<void(bool)> guard_;
  posix::SingleInstance instance_;
  std::vector<StandardMessageRecord> messages_;
};

}  // namespace orvo::qt
