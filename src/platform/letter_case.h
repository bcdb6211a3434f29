// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Upper case by the system's own case table (ICU's on Linux, Windows' own
// there), for comparisons that ignore letter case. Each code point takes its
// simple upper case where that has the same UTF-16 length and stays as it is
// otherwise, so the result has the text's length, position for position. Lone
// surrogates come back as themselves. The tables differ on a few letters
// (µ, ı, ſ, ς, ...): tests say which one they hold.
#include "platform/text.h"

namespace orvo {

ustring UpperCaseSameLength(ustring_view text);

}  // namespace orvo
