// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menu bar in the headless front end. A menu opened from
// the keyboard stays open and takes the key-downs, as a drop-down on a screen
// does: Up and Down move among its items, Enter or an item's access letter
// chooses one, Left and Right go to the next menu, Esc, Alt and F10 close it.
// Opening and choosing run the window's own menu steps, as a click does. A
// pop-up menu (a top-level menu the bar does not show) is worked the same way.
#include <cstddef>

#include "frontends/shared/menu_protocol.h"
#include "platform/keys.h"

namespace orvo {
class Program;
}
namespace orvo::forms {
class MenuEntry;
}

namespace orvo::headless {

class HeadlessMenu : private frontend::MenuScreen {
 public:
  explicit HeadlessMenu(Program& program);
  ~HeadlessMenu() override;
  HeadlessMenu(const HeadlessMenu&) = delete;
  HeadlessMenu& operator=(const HeadlessMenu&) = delete;

  // A key event while a menu is open: true when the menu took it.
  bool TakeKey(const KeyEvent& event);
  // The menu open now, or null.
  const forms::MenuEntry* Open() const { return open_; }
  // The highlighted item of the open menu, or null.
  const forms::MenuEntry* Highlighted() const;

 private:
  void OpenDropDown(const forms::MenuEntry& top) override;
  void OpenPopUp(const forms::MenuEntry& menu) override;
  void ChooseCommand(const forms::MenuEntry& top) override;
  void Close();
  void Choose(const forms::MenuEntry& item);
  void Step(int by);
  void NextTop(int by);

  Program& program_;
  frontend::MenuProtocol protocol_;
  const forms::MenuEntry* open_ = nullptr;
  std::size_t highlight_ = 0;
  bool has_highlight_ = false;
  bool popup_ = false;
};

}  // namespace orvo::headless
