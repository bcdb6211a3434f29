// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Own pictures for a menu item's check mark, checked and unchecked.
#include "toolkit/forms/menu_entry.h"

namespace orvo {

// Sets the check pictures of the item at item_position (from 0, separators
// counted) of the top-level menu at top_position (from 0) under the menu bar.
// False, and nothing set, when there is no such item or it is a separator.
bool SetMenuCheckBitmaps(forms::MenuEntry& bar, int top_position, int item_position,
                         int checked_picture, int unchecked_picture);

}  // namespace orvo
