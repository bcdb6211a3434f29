// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menus as a Windows menu bar, built from the window's
// menu tree: the visible entries, enabled or greyed, checked, with the
// window's own check pictures where it gave them. Built again whole when
// the tree changes (never while a menu is open); each item is found again
// by its command number, each drop-down by its menu handle. A hidden
// top-level menu with items is kept as a pop-up of its own, off the bar.
#include <map>
#include <memory>
#include <vector>

#include "frontends/win32/win32_api.h"
#include "toolkit/forms/menu_entry.h"

namespace orvo::win32 {

class MenuBar {
 public:
  MenuBar() = default;
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  // A new bar from the tree; the old one goes once the window holds the new one.
  HMENU Build(const forms::MenuEntry& root);
  const forms::MenuEntry* EntryOf(UINT command) const;
  const forms::MenuEntry* EntryOfPopup(HMENU popup) const;
  HMENU PopupOf(const forms::MenuEntry& entry) const;
  // Where a top-level entry stands on the bar; -1 when it is not there.
  int PositionOf(const forms::MenuEntry& top) const;
  // An item's caption, enabling and check mark brought up to date where it
  // stands (an open drop-down shows it so); false when it is not on the bar.
  bool Refresh(const forms::MenuEntry& entry);
  // Forgets the bar the window no longer holds.
  void DropOld();

 private:
  void Add(HMENU into, const forms::MenuEntry& entry, bool top);

  HMENU bar_ = nullptr;
  HMENU old_ = nullptr;
  UINT next_command_ = 100;
  std::map<UINT, const forms::MenuEntry*> commands_;
  std::map<const forms::MenuEntry*, std::pair<HMENU, UINT>> items_;  // where each item stands
  std::map<HMENU, const forms::MenuEntry*> popups_;
  std::map<const forms::MenuEntry*, int> positions_;
  std::vector<HMENU> pop_ups_;      // the hidden menus, each a pop-up of its own
  std::vector<HMENU> old_pop_ups_;  // the old bar's
  std::vector<HBITMAP> pictures_;
  std::vector<HBITMAP> old_pictures_;  // the old bar's
};

// A check picture of the menus: picture `id` on a bitmap of the system's check-mark size.
HBITMAP MenuCheckBitmap(int id);

}  // namespace orvo::win32
