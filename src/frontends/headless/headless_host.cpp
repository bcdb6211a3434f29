// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/headless_host.h"

#include "platform/native/terminal_message.h"

namespace orvo::headless {

HeadlessHost::HeadlessHost(ustring folder, ustring command_line)
    : folder_(std::move(folder)), command_line_(std::move(command_line)) {}

bool HeadlessHost::PreviousInstance() {
  return other_running_ || instance_.OtherRunning(ToUtf8(folder_));
}

void HeadlessHost::StandardMessage(const ustring& text, int icon, const ustring& title) {
  messages_.push_back({text, icon, title});
  if (echo_) native::SayOnStandardError(ToUtf8(title), ToUtf8(text));
}

}  // namespace orvo::headless
