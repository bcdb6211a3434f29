#pragma once
// The order of a window's menus, for operations that find an item by its
// position as the platform's menu calls do. Items are named as in
// forms::Menus; an empty name is a separator, which takes a position too.
#include <string>
#include <vector>

namespace orvo {

struct MenuColumn {
  std::string name;                // the top-level menu
  std::vector<std::string> items;  // its items, top to bottom
};

using MenuBar = std::vector<MenuColumn>;  // left to right

}  // namespace orvo
