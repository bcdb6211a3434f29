// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menus as data: every entry with its parent, caption,
// visibility and command, in the order shown; and what each top-level menu
// does as it opens.
#include <optional>
#include <span>
#include <string_view>

#include "braille/input_modes.h"

namespace orvo::main_menu {

// What choosing a menu entry does.
enum class MenuCommand {
  kNone,        // a menu of its own, or a command whose window comes later: back to braille mode
  kRestoreArea,  // the text area back to the size before the next two
  kTallArea,     // the window as tall as the work area
  kWideArea,     // the window as wide as the work area
  kHelper,      // the help menu's helper: only in braille mode
  kBarHelper,   // the braille helper on the menu bar
  kDiagrams,
  kAbout,
  kMemo,  // the memo window, which leaves braille mode and comes back by itself
  kSettings,
  kExit,
  kWordTurn,
  kFontReset,
  kNew,
  kOpen,
  kSaveOver,
  kSaveAs,
  kRecent,  // a history item: its number ends its name
  kUndo,
  kCut,
  kCopy,
  kPaste,
  kDelete,
  kSelectAll,
  kSearch,    // the find dialog, for finding
  kReplace,   // the find dialog, for replacing
  kNextFind,  // the next match, without the dialog
  kDate,
  kPopUndo,   // the text box's pop-up menu, as the text box's own commands
  kPopCut,
  kPopCopy,
  kPopPaste,
  kPopDelete,
  kPopSelectAll,
};

struct MenuRow {
  const char* name;    // empty: a separator
  const char* parent;  // empty: the menu bar
  const char16_t* caption;
  bool visible;
  MenuCommand command;
};

// The rows of every menu, each entry after its parent.
std::span<const MenuRow> Rows();
// The command of an entry by its name; kNone for a name no entry has.
MenuCommand CommandOf(std::string_view item);

// What each top-level menu does as it opens: leaves braille mode (which it
// remembers either way), and brings its entries' states up to date.
enum class MenuStates { kNone, kFile, kEdit, kOption };
struct MenuOpening {
  const char* top;
  std::optional<braille::TypeSwitch> leaves_braille;
  MenuStates states;
};

// The top-level menus that do something as they open.
std::span<const MenuOpening> Openings();

}  // namespace orvo::main_menu
