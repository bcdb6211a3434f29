// SPDX-License-Identifier: GPL-3.0-or-later
// Descriptions of any text: the bytes as UTF-16 (lone surrogates, private
// use, unassigned code points, any length) and as command-line UTF-8. Never
// a crash, never an empty description, never more than the cut allows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "frontends/headless/describe_command.h"
#include "readings/describer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvo::ustring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  const orvo::ustring said = orvo::readings::Describe(text);
  // Each described character says at most a few dozen characters.
  if (said.empty() || said.size() > 64 * (orvo::readings::kMostDescribed + 1)) std::abort();

  std::ostringstream out, err;
  const int status = orvo::headless::DescribeCommand(
      std::string_view(reinterpret_cast<const char*>(data), size), out, err);
  if ((status == 0) == out.str().empty() || (status == 0) != err.str().empty()) std::abort();
  return 0;
}
