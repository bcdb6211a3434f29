// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus: made from their table, opened, and what choosing
// an entry does.
#include <stdexcept>

#include "app/main_window.h"
#include "app/main_window_menu_table.h"
#include "app/program.h"
#include "editing/find_replace.h"
#include "settings/settings_command.h"

namespace orvo {
namespace {

// The top-level menu an entry is in (itself for a top-level entry).
const forms::MenuEntry& TopOf(const forms::MenuEntry& entry) {
  const forms::MenuEntry* e = &entry;
  while (e->Parent() != nullptr && e->Parent()->Parent() != nullptr) e = e->Parent();
  return *e;
}

}  // namespace

void MainWindow::CreateMenus() {
  for (const main_menu::MenuRow& row : main_menu::Rows()) {
    forms::MenuEntry& parent = *row.parent == '\0' ? MenuBar() : Menu(row.parent);
    forms::MenuEntry& entry = *row.name == '\0' ? parent.AddSeparator() : parent.Add(row.name, row.caption);
    entry.SetVisible(row.visible);
  }
}

forms::MenuEntry& MainWindow::Menu(std::string_view name) {
  forms::MenuEntry* entry = name.empty() ? nullptr : MenuBar().Find(name);
  if (entry == nullptr) throw std::out_of_range("no menu entry " + std::string(name));
  return *entry;
}

const forms::MenuEntry& MainWindow::Menu(std::string_view name) const {
  const forms::MenuEntry* entry = name.empty() ? nullptr : MenuBar().Find(name);
  if (entry == nullptr) throw std::out_of_range("no menu entry " + std::string(name));
  return *entry;
}

void MainWindow::OnMenuClick(forms::MenuEntry& entry) {
  if (entry.Parent() == &MenuBar() && !entry.Children().empty()) {
    OpenMenu(entry.Name());
  } else {
    ClickMenu(entry.Name());
  }
}

void MainWindow::OpenMenu(const std::string& top) {
  if (top == "mnuPOPUP") {
    PopupStates();  // the text box's own menu: nothing of the menu bar's protocol
    return;
  }
  // A braille mark still waiting for the cell after it goes in before the menu acts.
  p_.conversion.TypePendingSign();
  if (p_.flags.FindOpen) {
    p_.windows->UnloadFind();
    p_.DoEvents();
  }
  // Moving from one menu to the next keeps what the first one found.
  if (!menu_open_) p_.flags.MenuBrailleMode = p_.state.BrailleMode;
  menu_open_ = true;
  for (const main_menu::MenuOpening& m : main_menu::Openings()) {
    if (m.top != top) continue;
    if (m.leaves_braille && p_.state.BrailleMode) p_.modes.CMD_TYPE(*m.leaves_braille);
    if (m.states == main_menu::MenuStates::kOption) OptionMenuStates();
    if (m.states == main_menu::MenuStates::kFile) FileMenuStates();
    if (m.states == main_menu::MenuStates::kEdit) EditMenuStates();
  }
}

void MainWindow::OpenPopup() {
  // As the text box's own menu: braille mode stays as it is.
  PopupStates();
  PopUp(Menu("mnuPOPUP"));
}

void MainWindow::NextFind() {
  EditControl& box = ActiveTextBox();
  if (box.SelLength() > 0) p_.search.text = box.SelText();
  if (p_.search.text.empty()) {
    p_.windows->ShowFind(editing::find_mode::kFind);
  } else {
    p_.finder.FindNext();
  }
}

void MainWindow::AfterMenuCommand() {
  if (p_.flags.MenuBrailleMode) {
    p_.modes.CMD_TYPE(braille::TypeSwitch::kMenuReturn);
  } else if (Enabled()) {
    FocusTextBox();
  }
}

forms::MenuEntry& MainWindow::RecentItem(int index) {
  std::string name = "mnuMRU";
  name += std::to_string(index);
  return Menu(name);
}

void MainWindow::RestoreArea() {
  Move(Restore);
  AfterMenuCommand();
}

void MainWindow::StretchArea(bool tall) {
  const Rect outer = OuterTwips();
  Restore = outer;
  const WorkAreaTwips& wa = p_.work_area;
  if (tall) {
    Move({outer.left, wa.top, outer.width, wa.height});
  } else {
    Move({wa.left, outer.top, wa.width, outer.height});
  }
  AfterMenuCommand();
}

void MainWindow::MenuDismissed() {
  if (!menu_open_ || closed_) return;
  menu_open_ = false;
  if (p_.flags.MenuBrailleMode && !p_.state.BrailleMode) {
    p_.modes.CMD_TYPE(braille::TypeSwitch::kMenuReturn);
  } else if (Enabled()) {
    FocusTextBox();
  }
}

void MainWindow::ChooseMenu(const std::string& item) {
  menu_open_ = false;
  forms::MenuEntry* entry = MenuBar().Find(item);
  if (entry == nullptr || entry->IsSeparator() || !entry->Enabled() || !entry->Visible()) return;
  switch (main_menu::CommandOf(item)) {
    case main_menu::MenuCommand::kRestoreArea:
      RestoreArea();
      break;
    case main_menu::MenuCommand::kTallArea:
      StretchArea(true);
      break;
    case main_menu::MenuCommand::kWideArea:
      StretchArea(false);
      break;
    case main_menu::MenuCommand::kHelper:
      if (p_.state.BrailleMode) {
        p_.windows->ShowHelper();
        p_.DoEvents();
      }
      break;
    case main_menu::MenuCommand::kBarHelper:
      p_.windows->ShowHelper();
      p_.DoEvents();
      break;
    case main_menu::MenuCommand::kDiagrams:
      p_.DoEvents();
      p_.windows->ShowDiagrams();
      p_.DoEvents();
      break;
    case main_menu::MenuCommand::kMemo:
      // Braille input back as the menu found it, for the memo's own leaving and return.
      AfterMenuCommand();
      p_.DoEvents();
      p_.windows->ShowMemo();
      break;
    case main_menu::MenuCommand::kAbout:
      p_.DoEvents();
      p_.windows->ShowSplash();
      p_.DoEvents();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kSettings:
      settings::RunSettingsDialog(p_.context, p_.SettingsPortsOf());
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kExit:
      if (p_.flags.FindOpen) {
        p_.windows->UnloadFind();
        p_.DoEvents();
      }
      p_.forms.Unload(*this, forms::UnloadMode::kCode);
      break;
    case main_menu::MenuCommand::kWordTurn:
      p_.text.SwitchWordWrap();
      Menu("mnuWORD_TURN").SetChecked(WordWrap());
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kFontReset:
      p_.text.ResetAppearance();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kNew:
      p_.documents.NewDocument();
      if (WordWrap()) {
        p_.text.SwitchWordWrap();
        Menu("mnuWORD_TURN").SetChecked(WordWrap());
      }
      p_.text.UpdateStatus();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kOpen:
      p_.documents.OpenDocument();
      p_.text.UpdateStatus();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kSaveOver:
      p_.documents.SaveOverCommand();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kSaveAs:
      p_.documents.SaveAsCommand();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kRecent:
      p_.recent.OpenRecentFile(item.back() - '0', p_.documents);
      p_.text.UpdateStatus();
      if (Enabled()) FocusTextBox();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kUndo:
      p_.edits.Undo();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kCut:
      p_.edits.Cut();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kCopy:
      p_.edits.Copy();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kPaste:
      p_.edits.Paste();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kDelete:
      p_.edits.Delete();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kSelectAll:
      p_.edits.SelectAll();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kDate:
      p_.edits.InsertDate();
      FocusTextBox();
      AfterMenuCommand();
      break;
    case main_menu::MenuCommand::kSearch:
      p_.windows->ShowFind(editing::find_mode::kFind);
      break;
    case main_menu::MenuCommand::kReplace:
      p_.windows->ShowFind(editing::find_mode::kReplace);
      break;
    case main_menu::MenuCommand::kNextFind:
      NextFind();
      break;
    case main_menu::MenuCommand::kPopUndo:
      p_.edits.Undo();
      break;
    case main_menu::MenuCommand::kPopCut:
      p_.edits.Cut();
      break;
    case main_menu::MenuCommand::kPopCopy:
      p_.edits.Copy();
      break;
    case main_menu::MenuCommand::kPopPaste:
      p_.edits.PasteOver();
      break;
    case main_menu::MenuCommand::kPopDelete:
      p_.edits.Delete();
      break;
    case main_menu::MenuCommand::kPopSelectAll:
      p_.edits.SelectAll();
      break;
    case main_menu::MenuCommand::kNone:
      AfterMenuCommand();  // commands whose windows come later still return to braille mode
      break;
  }
}

bool MainWindow::ClickMenu(const std::string& item) {
  const forms::MenuEntry* entry = item.empty() ? nullptr : MenuBar().Find(item);
  if (entry == nullptr || entry->IsSeparator()) return false;
  p_.conversion.TypePendingSign();  // as opening its menu would
  const forms::MenuEntry& top = TopOf(*entry);
  if (&top != entry || !entry->Children().empty()) {
    OpenMenu(top.Name());  // a top-level menu too opens, as a click on the bar does
  } else {
    p_.flags.MenuBrailleMode = p_.state.BrailleMode;  // top-level items open no menu
  }
  ChooseMenu(item);
  return true;
}

}  // namespace orvo
