// SPDX-License-Identifier: GPL-3.0-or-later
// Upper case by ICU's simple case mapping.
#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include "platform/letter_case.h"

namespace orvo {

ustring UpperCaseSameLength(ustring_view text) {
  ustring out(text);
  const auto n = static_cast<std::int32_t>(text.size());
  std::int32_t i = 0;
  while (i < n) {
    const std::int32_t at = i;
    UChar32 c = 0;
    U16_NEXT(text.data(), i, n, c);  // a lone surrogate comes back as itself
    const UChar32 upper = u_toupper(c);
    if (upper == c || U16_LENGTH(upper) != i - at) continue;
    if (i - at == 1) {
      out[static_cast<std::size_t>(at)] = static_cast<char16_t>(upper);
    } else {
      out[static_cast<std::size_t>(at)] = static_cast<char16_t>(U16_LEAD(upper));
      out[static_cast<std::size_t>(at) + 1] = static_cast<char16_t>(U16_TRAIL(upper));
    }
  }
  return out;
}

}  // namespace orvo
