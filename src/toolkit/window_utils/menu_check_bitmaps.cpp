// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/menu_check_bitmaps.h"

namespace orvo {
namespace {

forms::MenuEntry* ChildAt(const forms::MenuEntry& entry, int position) {
  const auto& children = entry.Children();
  if (position < 0 || static_cast<std::size_t>(position) >= children.size()) return nullptr;
  return children[static_cast<std::size_t>(position)].get();
}

}  // namespace

bool SetMenuCheckBitmaps(forms::MenuEntry& bar, int top_position, int item_position,
                         int checked_picture, int unchecked_picture) {
  const forms::MenuEntry* top = ChildAt(bar, top_position);
  forms::MenuEntry* item = top != nullptr ? ChildAt(*top, item_position) : nullptr;
  if (item == nullptr || item->IsSeparator()) return false;
  item->SetCheckPictures(checked_picture, unchecked_picture);
  return true;
}

}  // namespace orvo
