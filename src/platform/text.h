// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text inside the program is UTF-16, as the editor's strings have always been:
// one element is one character position of the text box.
#include <string>
#include <string_view>

namespace orvo {

using ustring = std::u16string;
using ustring_view = std::u16string_view;

// Conversions at the edges (JSON, files named on the command line, logs).
// Invalid input becomes U+FFFD; nothing throws.
std::string ToUtf8(ustring_view text);
ustring FromUtf8(std::string_view text);

// Width of one character in the double-byte units of a Japanese ANSI edit
// control: 1 for ASCII and half-width katakana, 2 for everything else.
int DbcsWidth(char16_t ch);

}  // namespace orvo
