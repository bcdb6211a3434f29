// SPDX-License-Identifier: GPL-3.0-or-later
// Key scripts and scenario files as anyone may write them: every line is
// either a step or an error with its line number, and a value shown for a
// message reads back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "frontends/script/key_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const orvo::script::ParsedScript parsed = orvo::script::ParseScript(text);
  int lines = 1;
  for (const char c : text) lines += c == '\n' ? 1 : 0;
  for (const auto& e : parsed.errors) {
    if (e.line < 1 || e.line > lines || e.message.empty()) std::abort();
  }
  for (const auto& step : parsed.steps) {
    if (step.line < 1 || step.line > lines) std::abort();
    (void)orvo::script::ShowValue(step.value);
  }
  (void)orvo::script::ParseControlRef(text);
  return 0;
}
