// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message box said on standard error as well, so that a person who started
// the program from a terminal sees why it waits or ends.
#include <string>
#include <string_view>

namespace orvo::native {

// "Title: text" with the box's CR LF line ends as newlines and the padding
// spaces at the line ends dropped; UTF-8 in, UTF-8 out.
std::string TerminalMessage(std::string_view title, std::string_view text);

// Writes TerminalMessage to standard error (std::cerr, which a Windows
// console shows in its own characters).
void SayOnStandardError(std::string_view title, std::string_view text);

}  // namespace orvo::native
