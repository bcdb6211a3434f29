#include <gtest/gtest.h>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

// "a" CR LF "𠮷" (a surrogate pair) "b"
constexpr char16_t kPairs[] = u"a\r\n\U00020BB7b";

TEST(EditSelectionTest, SetSelClampsAndNeverSplitsAPair) {
  struct Case {
    int start;
    int length;
    int sel_start;
    int sel_length;
  };
  // clang-format off
  const Case cases[] = {
      {0, 0, 0, 0},
      {2, 0, 1, 0},              // between CR and LF: back before the CR
      {4, 0, 3, 0},              // inside the surrogate pair
      {1, 3, 1, 2},              // the end inside the pair snaps back
      {2, 4, 1, 5},
      {-5, 2, 0, 1},             // the end between CR and LF
      {99, 3, 6, 0},
      {3, 99, 3, 3},
      {3, -2, 3, 0},
      {1, 2147483647, 1, 5},
  };
  // clang-format on
  EditControlModel edit;
  edit.SetText(kPairs);
  for (const Case& c : cases) {
    edit.SetSel(c.start, c.length);
    EXPECT_EQ(edit.SelStart(), c.sel_start) << c.start << "+" << c.length;
    EXPECT_EQ(edit.SelLength(), c.sel_length) << c.start << "+" << c.length;
  }
}

TEST(EditSelectionTest, ReplacingASelectionAcrossABreakJoinsTheLines) {
  EditControlModel edit;
  edit.SetText(u"abc\r\ndef");
  edit.SetSel(2, 3);
  EXPECT_EQ(edit.SelText(), u"c\r\n");
  edit.ReplaceSel(u"X");
  EXPECT_EQ(edit.Text(), u"abXdef");
  EXPECT_EQ(edit.LineCount(), 1);
  EXPECT_EQ(edit.SelStart(), 3);
  EXPECT_EQ(edit.SelLength(), 0);
  EXPECT_TRUE(edit.Modified());
}

TEST(EditSelectionTest, SetTextResetsCaretUndoAndModifyFlag) {
  EditControlModel edit;
  edit.ReplaceSel(u"typed");
  edit.SetText(u"loaded\r\ntext");
  EXPECT_EQ(edit.SelStart(), 0);
  EXPECT_EQ(edit.SelLength(), 0);
  EXPECT_FALSE(edit.Modified());
  EXPECT_FALSE(edit.CanUndo());
  EXPECT_EQ(edit.LineCount(), 2);
}

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

TEST(EditSelectionTest, ReplaceSelWithAViewOfItsOwnText) {
  EditControlModel edit;
  edit.SetText(u"abc");
  edit.SetSel(3, 0);
  for (int i = 0; i < 6; ++i) edit.ReplaceSel(edit.Text());  // grows and moves the buffer
  EXPECT_EQ(edit.Text().size(), 3u << 6);
  EXPECT_EQ(edit.Text().substr(0, 6), u"abcabc");
}

}  // namespace
}  // namespace orvo::emu
