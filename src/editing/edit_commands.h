// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that edit the document text box directly: the Edit menu's
// undo, cut, copy, paste, delete and select all, the date, and the text box's
// own pop-up menu. They use the system clipboard's plain text.
#include <cstdint>
#include <functional>

#include "platform/calendar.h"
#include "platform/clipboard.h"
#include "platform/edit_control.h"
#include "platform/shell.h"
#include "platform/text.h"

namespace orvo::editing {

// "yyyy/mm/dd(aaa)" with the Japanese day of the week, as 2001/05/14(月), for
// a local time in milliseconds since 1970.
ustring DateText(std::int64_t local_ms);

// Which commands can be used now, in the order of the Edit menu.
struct EditStates {
  bool undo = false;
  bool cut = false;  // copy and delete too: something is selected
  bool paste = false;
  bool select_all = false;
};

class EditCommands {
 public:
  struct Ports {
    std::function<EditControl&()> box;  // the document text box now
    Clipboard& clipboard;
    Calendar& calendar;
    Shell& shell;  // the hourglass while pasting
  };
  explicit EditCommands(Ports ports) : p_(std::move(ports)) {}

  EditStates States() const;

  void Undo();
  void Cut();
  void Copy();
  // Inserts the clipboard's text after the selection, which stays in the text.
  void Paste();
  void Delete();
  void SelectAll();
  // Inserts today's date after the selection, which stays in the text.
  void InsertDate();
  // The pop-up menu's paste, as the text box's own: it replaces the selection.
  void PasteOver();

 private:
  void CollapseToEnd();

  Ports p_;
};

}  // namespace orvo::editing
