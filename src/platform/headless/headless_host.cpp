#include "platform/headless/headless_host.h"

#include "platform/posix/terminal_message.h"

namespace orvo::headless {

HeadlessHost::HeadlessHost(ustring folder, ustring command_line)
    : folder_(std::move(folder)), command_line_(std::move(command_line)) {}

bool HeadlessHost::PreviousInstance() {
  if (other_running_) return true;
  if (!lock_) {
    std::string dir = ToUtf8(folder_);
    if (!dir.empty() && dir.back() != '/') dir += '/';
    lock_ = std::make_unique<posix::InstanceLock>(dir + ".orvo.lock");
  }
  return lock_->Acquire() == posix::InstanceLock::Result::kHeldElsewhere;
}

void HeadlessHost::StandardMessage(const ustring& text, int icon, const ustring& title) {
  messages_.push_back({text, icon, title});
  if (echo_) posix::SayOnStandardError(ToUtf8(title), ToUtf8(text));
}

}  // namespace orvo::headless
