// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/menu_bar.h"

#include "frontends/win32/gdi_pictures.h"
#include "platform/win32/wide_text.h"

namespace orvo::win32 {

HBITMAP MenuCheckBitmap(int id) {
  const int width = GetSystemMetrics(SM_CXMENUCHECK);
  const int height = GetSystemMetrics(SM_CYMENUCHECK);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT box{0, 0, width, height};
  FillRect(dc, &box, GetSysColorBrush(COLOR_MENU));
  PaintPicture(dc, id, box);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

MenuBar::~MenuBar() {
  DropOld();
  if (bar_ != nullptr) DestroyMenu(bar_);
  for (HMENU menu : pop_ups_) DestroyMenu(menu);
  for (HBITMAP picture : pictures_) DeleteObject(picture);
}

HMENU MenuBar::Build(const forms::MenuEntry& root) {
  DropOld();
  old_ = bar_;
  old_pop_ups_ = std::move(pop_ups_);
  pop_ups_.clear();
  old_pictures_ = std::move(pictures_);
  pictures_.clear();
  commands_.clear();
  items_.clear();
  popups_.clear();
  positions_.clear();
  bar_ = CreateMenu();
  for (const auto& top : root.Children()) {
    if (top->Visible() || top->Children().empty()) {
      Add(bar_, *top, true);
      continue;
    }
    // A hidden menu with items is a pop-up of its own (the text box's menu):
    // never on the bar, opened where the program asks.
    HMENU pop_up = CreatePopupMenu();
    pop_ups_.push_back(pop_up);
    popups_[pop_up] = top.get();
    for (const auto& child : top->Children()) Add(pop_up, *child, false);
  }
  return bar_;
}

void MenuBar::DropOld() {
  if (old_ != nullptr) DestroyMenu(old_);
  old_ = nullptr;
  for (HMENU menu : old_pop_ups_) DestroyMenu(menu);
  old_pop_ups_.clear();
  for (HBITMAP picture : old_pictures_) DeleteObject(picture);
  old_pictures_.clear();
}

void MenuBar::Add(HMENU into, const forms::MenuEntry& entry, bool top) {
  if (!entry.Visible()) return;
  if (entry.IsSeparator()) {
    if (!top) AppendMenuW(into, MF_SEPARATOR, 0, nullptr);
    return;
  }
  const std::wstring caption = Wide(entry.Caption());
  const UINT state = (entry.Enabled() ? MF_ENABLED : MF_GRAYED) | (entry.Checked() ? MF_CHECKED : MF_UNCHECKED);
  if (top) positions_[&entry] = GetMenuItemCount(into);
  if (!entry.Children().empty()) {
    HMENU popup = CreatePopupMenu();
    popups_[popup] = &entry;
    for (const auto& child : entry.Children()) Add(popup, *child, false);
    AppendMenuW(into, MF_POPUP | MF_STRING | state, reinterpret_cast<UINT_PTR>(popup), caption.c_str());
    return;
  }
  const UINT command = next_command_++;
  if (next_command_ > 0x7FFF) next_command_ = 100;
  commands_[command] = &entry;
  items_[&entry] = {into, command};
  AppendMenuW(into, MF_STRING | state, command, caption.c_str());
  const auto checked = entry.CheckedPicture();
  const auto unchecked = entry.UncheckedPicture();
  if (checked || unchecked) {
    HBITMAP on = checked ? MenuCheckBitmap(*checked) : nullptr;
    HBITMAP off = unchecked ? MenuCheckBitmap(*unchecked) : nullptr;
    if (on != nullptr) pictures_.push_back(on);
    if (off != nullptr) pictures_.push_back(off);
    SetMenuItemBitmaps(into, command, MF_BYCOMMAND, off, on);
  }
}

const forms::MenuEntry* MenuBar::EntryOf(UINT command) const {
  const auto it = commands_.find(command);
  return it == commands_.end() ? nullptr : it->second;
}

const forms::MenuEntry* MenuBar::EntryOfPopup(HMENU popup) const {
  const auto it = popups_.find(popup);
  return it == popups_.end() ? nullptr : it->second;
}

HMENU MenuBar::PopupOf(const forms::MenuEntry& entry) const {
  for (const auto& [popup, e] : popups_) {
    if (e == &entry) return popup;
  }
  return nullptr;
}

int MenuBar::PositionOf(const forms::MenuEntry& top) const {
  const auto it = positions_.find(&top);
  return it == positions_.end() ? -1 : it->second;
}

}  // namespace orvo::win32

namespace orvo::win32 {

bool MenuBar::Refresh(const forms::MenuEntry& entry) {
  const auto it = items_.find(&entry);
  if (it == items_.end()) return false;
  const auto [menu, command] = it->second;
  const std::wstring caption = Wide(entry.Caption());
  const UINT state = (entry.Enabled() ? MF_ENABLED : MF_GRAYED) | (entry.Checked() ? MF_CHECKED : MF_UNCHECKED);
  ModifyMenuW(menu, command, MF_BYCOMMAND | MF_STRING | state, command, caption.c_str());
  return true;
}

}  // namespace orvo::win32
