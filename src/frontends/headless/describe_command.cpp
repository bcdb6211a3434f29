// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/describe_command.h"

#include "frontends/headless/headless_texts.h"
#include "platform/text.h"
#include "readings/describer.h"

namespace orvo::headless {

// The conversion replaces what is not UTF-8 (stray bytes, overlong forms,
// surrogates, code points past U+10FFFF): only well-formed text comes back as it went.
bool IsValidUtf8(std::string_view bytes) { return ToUtf8(FromUtf8(bytes)) == bytes; }

int DescribeCommand(std::string_view utf8, std::ostream& out, std::ostream& err) {
  if (!IsValidUtf8(utf8)) {
    err << texts::kDescribeNotUtf8;
    return 2;
  }
  out << ToUtf8(readings::Describe(FromUtf8(utf8))) << "\n";
  return 0;
}

}  // namespace orvo::headless
