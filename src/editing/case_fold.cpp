// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/case_fold.h"

#include "platform/letter_case.h"

namespace orvo::editing {

ustring UpperForSearch(ustring_view text) { return UpperCaseSameLength(text); }

}  // namespace orvo::editing
