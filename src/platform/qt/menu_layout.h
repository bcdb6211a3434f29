#pragma once
// Where each menu item of the main window sits: on the menu bar, or in which
// drop-down menu, in order. The items' captions and states are the window's.
#include <span>

namespace orvo::qt {

struct MenuSlot {
  const char* name;
  const char* parent;  // "" for the menu bar
  bool is_menu;        // opens a drop-down of its own
};

std::span<const MenuSlot> MainMenuLayout();

}  // namespace orvo::qt
