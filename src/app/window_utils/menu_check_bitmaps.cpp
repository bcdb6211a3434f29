#include "app/window_utils/menu_check_bitmaps.h"

namespace orvo {

bool SetMenuCheckBitmaps(forms::Menus& menus, const MenuBar& bar, int top_position,
                         int item_position, int checked_picture, int unchecked_picture) {
  if (top_position < 0 || static_cast<std::size_t>(top_position) >= bar.size()) return false;
  const std::vector<std::string>& items = bar[static_cast<std::size_t>(top_position)].items;
  if (item_position < 0 || static_cast<std::size_t>(item_position) >= items.size()) return false;
  const std::string& name = items[static_cast<std::size_t>(item_position)];
  if (name.empty()) return false;  // a separator
  const auto found = menus.find(name);
  if (found == menus.end()) return false;
  found->second.CheckedPicture = checked_picture;
  found->second.UncheckedPicture = unchecked_picture;
  return true;
}

}  // namespace orvo
