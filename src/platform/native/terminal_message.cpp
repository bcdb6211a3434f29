// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/terminal_message.h"

#include <iostream>

namespace orvo::native {
namespace {

constexpr std::string_view kPadding[] = {" ", "\u3000"};

std::string_view Trimmed(std::string_view line) {
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (std::string_view pad : kPadding) {
      if (line.starts_with(pad)) {
        line.remove_prefix(pad.size());
        trimmed = true;
      }
      if (line.ends_with(pad)) {
        line.remove_suffix(pad.size());
        trimmed = true;
      }
    }
  }
  return line;
}

}  // namespace

std::string TerminalMessage(std::string_view title, std::string_view text) {
  std::string out(Trimmed(title));
  if (!out.empty()) out += ": ";
  for (bool first = true; !text.empty() || first; first = false) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!first) out += '\n';
    out += Trimmed(line);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return out + '\n';
}

void SayOnStandardError(std::string_view title, std::string_view text) {
  std::cerr << TerminalMessage(title, text) << std::flush;
}

}  // namespace orvo::native
