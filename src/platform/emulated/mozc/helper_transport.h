// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line link to a helper: requests go out one a line, replies come back
// one a line. Every read has a time limit, so a helper that hangs costs at
// most that long.
#include <optional>
#include <string>
#include <string_view>

namespace orvo::emu::mozc {

class HelperTransport {
 public:
  virtual ~HelperTransport() = default;
  // False when the helper can no longer be written to.
  virtual bool Send(std::string_view line) = 0;
  // The next line without its end; nullopt when none came within
  // `timeout_ms`, the helper is gone, or the line grew past any sane size.
  virtual std::optional<std::string> ReadLine(int timeout_ms) = 0;
};

}  // namespace orvo::emu::mozc
