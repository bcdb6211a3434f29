// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a front end works the main window's menus, the same for every one.
// The window asks for a menu from the keyboard (Alt with an access letter,
// Alt alone, F10, the pop-up key): the protocol hears the ask and has the
// front end open it on the screen its own way: a menu the bar does not show
// as a pop-up at the focus, a top-level command chosen at once, any other
// top-level menu as its drop-down. Whether opened so or by the mouse, the
// front end reports what the person does, and the window runs its menu steps
// as for a click: a drop-down opening, an item chosen, a top-level command
// clicked, and the menus closing with nothing chosen (which gives braille
// input back when the opening took it).
#include <string>

#include "toolkit/forms/menu_entry.h"

namespace orvo {
class Program;
}

namespace orvo::frontend {

// What a front end implements to show the menus.
class MenuScreen {
 public:
  virtual ~MenuScreen() = default;
  // Opens a top-level menu's drop-down as a click on the bar does (its opening is reported).
  virtual void OpenDropDown(const forms::MenuEntry& top) = 0;
  // Opens a top-level menu the bar does not show as a pop-up at the focus.
  virtual void OpenPopUp(const forms::MenuEntry& menu) = 0;
  // A top-level command asked for from the keyboard: chosen at once, as a
  // click on it (reported as clicked); readers may be told its name first.
  virtual void ChooseCommand(const forms::MenuEntry& top) = 0;
};

class MenuProtocol {
 public:
  // When an asked-for menu opens: at once, or at the front end's next OpenAsked.
  enum class When { kAtOnce, kOnOpenAsked };

  // Both outlive the protocol.
  MenuProtocol(Program& program, MenuScreen& screen, When when);
  ~MenuProtocol();
  MenuProtocol(const MenuProtocol&) = delete;
  MenuProtocol& operator=(const MenuProtocol&) = delete;

  // Opens the menu asked for since the last time, if any.
  void OpenAsked();

  // What the person did, as the front end reports it; nothing once the main window is gone.
  void Opened(const std::string& top);
  void Chosen(const std::string& item);
  void Clicked(const std::string& top);
  void Dismissed();

 private:
  void Open(const forms::MenuEntry& menu);

  Program& program_;
  MenuScreen& screen_;
  When when_;
  int subscription_ = 0;
  const forms::MenuEntry* asked_ = nullptr;
};

}  // namespace orvo::frontend
