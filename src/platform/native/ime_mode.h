// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text box's IME mode put into its input context, as the box does when it
// takes the focus: 1 opens, 2 and 3 close, 4-8 open in an input mode
// (hiragana, katakana, half-width katakana, full-width and half-width
// alphanumeric); 0 and anything else leave the IME as it is.
#include "platform/native/imm_calls.h"

namespace orvo::native {

// False when the context refused (or there is none).
bool ApplyImeMode(ImmCalls& calls, Himc context, int mode);

}  // namespace orvo::native
