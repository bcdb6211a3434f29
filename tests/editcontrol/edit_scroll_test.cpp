#include <gtest/gtest.h>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

// Ten lines; line 4 is the widest at 12 units (six full-width characters).
ustring TenLines() {
  ustring text;
  for (int line = 0; line < 10; ++line) {
    if (line > 0) text += u"\r\n";
    text += line == 4 ? u"あいうえおか" : u"abc";
  }
  return text;
}

TEST(EditScrollTest, LineScrollClamps) {
  struct Case {
    int columns;
    int lines;
    int first_column;
    int first_line;
  };
  // View 5 columns by 4 lines: at most line 6 on top, column 8 on the left.
  // clang-format off
  const Case cases[] = {
      {0, 3, 0, 3},
      {0, 3, 0, 6},
      {0, 1, 0, 6},
      {0, -100, 0, 0},
      {4, 0, 4, 0},
      {4, 0, 8, 0},
      {4, 0, 8, 0},
      {-3, 2, 5, 2},
      {-2147483647, 2147483647, 0, 6},
  };
  // clang-format on
  EditControlModel edit;
  edit.SetText(TenLines());
  edit.SetViewSize(5, 4);
  for (const Case& c : cases) {
    edit.LineScroll(c.columns, c.lines);
    EXPECT_EQ(edit.FirstVisibleColumn(), c.first_column) << c.columns << "," << c.lines;
    EXPECT_EQ(edit.FirstVisibleLine(), c.first_line) << c.columns << "," << c.lines;
  }
}

TEST(EditScrollTest, ScrollCaretBringsTheCaretIntoView) {
  EditControlModel edit;
  edit.SetText(TenLines());
  edit.SetViewSize(5, 4);
  const int line4 = edit.LineIndex(4);    // same in characters: lines 0-3 are half-width
  edit.SetSel(line4 + 6, 0);              // after the sixth full-width character
  EXPECT_EQ(edit.FirstVisibleLine(), 0);  // SetSel alone does not scroll
  edit.ScrollCaret();
  EXPECT_EQ(edit.FirstVisibleLine(), 1);
  EXPECT_EQ(edit.FirstVisibleColumn(), 8);
  edit.SetSel(0, 0);
  edit.ScrollCaret();
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.FirstVisibleColumn(), 0);
}

TEST(EditScrollTest, TypingAndMovingKeepTheCaretVisible) {
  EditControlModel edit;
  edit.SetViewSize(4, 2);
  for (int i = 0; i < 3; ++i) edit.ReplaceSel(u"\r\n");
  EXPECT_EQ(edit.FirstVisibleLine(), 2);
  edit.ReplaceSel(u"あいう");
  EXPECT_EQ(edit.FirstVisibleColumn(), 3);
  edit.MoveCaret(CaretMove::kTextStart, false);
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.FirstVisibleColumn(), 0);
}

TEST(EditScrollTest, ShrinkingTheTextPullsTheViewBack) {
  EditControlModel edit;
  edit.SetText(TenLines());
  edit.SetViewSize(5, 4);
  edit.LineScroll(0, 6);
  edit.SetSel(3, static_cast<int>(edit.Text().size()));
  edit.Clear();
  EXPECT_EQ(edit.LineCount(), 1);
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  edit.SetText(TenLines());
  edit.LineScroll(0, 6);
  edit.SetViewSize(5, 8);
  EXPECT_EQ(edit.FirstVisibleLine(), 2);
}

}  // namespace
}  // namespace orvo::emu
