// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// orvo-headless --describe TEXT: the spoken description of TEXT, one line, as
// the program would announce it.
#include <ostream>
#include <string_view>

namespace orvo::headless {

// Writes the description of the UTF-8 text to out and returns 0; text that is
// not valid UTF-8 is refused on err with 2, as a wrong argument is.
int DescribeCommand(std::string_view utf8, std::ostream& out, std::ostream& err);

// Whether the bytes are well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace orvo::headless
