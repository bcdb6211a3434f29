// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text as a system's edit control can hold it: such a control ends its text
// at the first NUL character and would lose the rest.
#include "platform/text.h"

namespace orvo::native {

// The text with each NUL shown as U+2400 (SYMBOL FOR NULL).
ustring WithNulShown(ustring_view text);

}  // namespace orvo::native
