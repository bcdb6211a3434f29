// SPDX-License-Identifier: GPL-3.0-or-later
// The states of the main window's menu entries, brought up to date as a menu opens.
#include "app/main_window.h"
#include "app/program.h"
#include "toolkit/picture_ids.h"
#include "toolkit/window_utils/menu_check_bitmaps.h"

namespace orvo {

void MainWindow::EditMenuStates() {
  const editing::EditStates s = p_.edits.States();
  Menu("mnuUNDO").SetEnabled(s.undo);
  for (const char* item : {"mnuCUT", "mnuCOPY", "mnuDELETE"}) Menu(item).SetEnabled(s.cut);
  Menu("mnuPAST").SetEnabled(s.paste);
  Menu("mnuALL").SetEnabled(s.select_all);
}

void MainWindow::PopupStates() {
  const editing::EditStates s = p_.edits.States();
  Menu("mnuPOP_UNDO").SetEnabled(s.undo);
  for (const char* item : {"mnuPOP_CUT", "mnuPOP_COPY", "mnuPOP_DELETE"}) Menu(item).SetEnabled(s.cut);
  Menu("mnuPOP_PASTE").SetEnabled(s.paste);
  Menu("mnuPOP_ALL").SetEnabled(s.select_all && ActiveTextBox().SelLength() < static_cast<int>(ActiveTextBox().Text().size()));
}

void MainWindow::FileMenuStates() {
  const bool has_document = p_.documents.State().Kind != files::DocumentKind::kNone;
  for (const char* item : {"mnuFILE_SAVE", "mnuFILE_SAVEAS"}) {
    Menu(item).SetEnabled(false);
    Menu(item).SetEnabled(has_document);
  }
}

void MainWindow::OptionMenuStates() {
  const bool has_text = !ActiveTextBox().Text().empty();
  Menu("mnuFIND").SetEnabled(has_text);
  Menu("mnuNEXT_FIND").SetEnabled(ActiveTextBox().SelLength() > 0 || !p_.search.text.empty());
  const WorkAreaTwips& wa = p_.work_area;
  const Size outer = p_.values.Pixels({OuterTwips().width, OuterTwips().height});
  const Size area = p_.values.Pixels({wa.width, wa.height});
  if (State() == WindowState::kMaximized) {
    Menu("mnuTXT_AREA").SetEnabled(false);
  } else {
    Menu("mnuTXT_AREA").SetEnabled(true);
    const bool maximised_one_way =
        outer.height == area.height || outer.width == area.width;
    Menu("mnuV_AREA").SetEnabled(!maximised_one_way);
    Menu("mnuH_AREA").SetEnabled(!maximised_one_way);
    Menu("mnuRE_AREA").SetEnabled(maximised_one_way);
  }
  const bool wrap_was_on = WordWrap();
  forms::MenuEntry& wrap = Menu("mnuWORD_TURN");
  if (has_text) {
    wrap.SetEnabled(true);
    wrap.SetChecked(wrap_was_on);
  } else {
    wrap.SetEnabled(false);
    if (wrap_was_on) {
      p_.text.SwitchWordWrap();
      wrap.SetChecked(false);
    }
  }
  if (has_text || wrap_was_on) SetMenuCheckBitmaps(MenuBar(), 2, 5, picture_id::kMenuChecked, picture_id::kMenuUnchecked);
}

}  // namespace orvo
