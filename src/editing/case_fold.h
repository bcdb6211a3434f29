// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Upper case for a comparison that ignores letter case: every letter with a
// case in Unicode (full-width Latin, accented Latin, Greek, Cyrillic, ...) by
// its simple case mapping in the system's table (platform/letter_case.h). The result has exactly the text's UTF-16 length,
// position for position: a character whose upper case would take another
// number of units is kept as it is, so a match found in the upper-cased text
// lies at the same place in the text.
#include "platform/text.h"

namespace orvo::editing {

ustring UpperForSearch(ustring_view text);

}  // namespace orvo::editing
