// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

TEST(EditSelectionTest, ClipboardCommands) {
  EditControlModel edit;
  edit.SetText(u"abc\r\ndef");
  ustring clipboard = u"old";
  edit.Copy(clipboard);  // nothing selected: the clipboard stays
  edit.Cut(clipboard);
  EXPECT_EQ(clipboard, u"old");

  edit.SetSel(2, 3);
  edit.Copy(clipboard);
  EXPECT_EQ(clipboard, u"c\r\n");
  edit.Cut(clipboard);
  EXPECT_EQ(edit.Text(), u"abdef");
  edit.SetSel(0, 2);
  edit.Paste(clipboard);  // replaces the selection, as the control's own paste
  EXPECT_EQ(edit.Text(), u"c\r\ndef");
  EXPECT_EQ(edit.SelStart(), 3);
  edit.Paste(u"");  // an empty clipboard pastes nothing
  EXPECT_EQ(edit.Text(), u"c\r\ndef");
  edit.SetSel(3, 2);
  edit.Clear();
  EXPECT_EQ(edit.Text(), u"c\r\nf");
}

}  // namespace
}  // namespace orvo::emu
