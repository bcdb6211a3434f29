#include <gtest/gtest.h>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

// Line 0 "ab" (2 units), line 1 "あいｳ" (5), line 2 empty, line 3 "x漢" (3).
constexpr char16_t kMixed[] = u"ab\r\nあいｳ\r\n\r\nx漢";

TEST(EditQueriesTest, LineFiguresOfMixedWidthText) {
  EditControlModel edit;
  edit.SetText(kMixed);
  EXPECT_EQ(edit.LineCount(), 4);
  struct Line {
    int index;   // EM_LINEINDEX
    int length;  // EM_LINELENGTH of a position on the line
  };
  const Line lines[] = {{0, 2}, {4, 5}, {11, 0}, {13, 3}};
  for (int line = 0; line < 4; ++line) {
    EXPECT_EQ(edit.LineIndex(line), lines[line].index) << line;
    EXPECT_EQ(edit.LineLength(lines[line].index), lines[line].length) << line;
    EXPECT_EQ(edit.LineFromChar(lines[line].index), line) << line;
  }
  EXPECT_EQ(edit.LineIndex(4), -1);
  EXPECT_EQ(edit.LineFromChar(5), 1);    // inside あ
  EXPECT_EQ(edit.LineFromChar(10), 1);   // on the LF ending line 1
  EXPECT_EQ(edit.LineFromChar(999), 3);  // past the end: the last line
  EXPECT_EQ(edit.LineLength(17), 0);
  EXPECT_EQ(edit.LineLength(16), 3);
}

TEST(EditQueriesTest, CaretFiguresFollowTheSelection) {
  struct Case {
    int start;
    int length;
    int sel_start_dbcs;
    int sel_end_dbcs;
    int caret_line;        // EM_LINEFROMCHAR(-1)
    int caret_line_index;  // EM_LINEINDEX(-1)
  };
  // clang-format off
  const Case cases[] = {
      {0, 0, 0, 0, 0, 0},
      {5, 0, 6, 6, 1, 4},       // after あ
      {7, 0, 9, 9, 1, 4},       // end of line 1, after half-width ｳ
      {9, 0, 11, 11, 2, 11},    // the empty line
      {13, 0, 16, 16, 3, 13},   // end of the text
      {1, 4, 1, 6, 1, 4},       // across a break: the caret is on line 1
      {0, 13, 0, 16, 3, 13},    // everything
  };
  // clang-format on
  EditControlModel edit;
  edit.SetText(kMixed);
  for (const Case& c : cases) {
    edit.SetSel(c.start, c.length);
    EXPECT_EQ(edit.SelStartDbcs(), c.sel_start_dbcs) << c.start << "+" << c.length;
    EXPECT_EQ(edit.SelEndDbcs(), c.sel_end_dbcs) << c.start << "+" << c.length;
    EXPECT_EQ(edit.LineFromChar(-1), c.caret_line) << c.start << "+" << c.length;
    EXPECT_EQ(edit.LineIndex(-1), c.caret_line_index) << c.start << "+" << c.length;
  }
}

TEST(EditQueriesTest, LineLengthOfTheSelectionCountsUnselectedUnits) {
  EditControlModel edit;
  edit.SetText(kMixed);
  edit.SetSel(1, 4);  // "b", the break and あ: a on line 0, いｳ on line 1 stay
  EXPECT_EQ(edit.LineLength(-1), 1 + 3);
  edit.SetSel(5, 0);
  EXPECT_EQ(edit.LineLength(-1), 5);  // no selection: the caret's whole line
}

TEST(EditQueriesTest, FiguresFollowTyping) {
  EditControlModel edit;
  for (const char16_t* key : {u"あ", u"a", u"\r\n", u"ｶ", u"\r\n", u"漢"}) edit.ReplaceSel(key);
  EXPECT_EQ(edit.Text(), u"あa\r\nｶ\r\n漢");
  EXPECT_EQ(edit.LineCount(), 3);
  EXPECT_EQ(edit.LineIndex(-1), 8);
  EXPECT_EQ(edit.SelEndDbcs(), 10);
  EXPECT_EQ(edit.LineLength(0), 3);
  EXPECT_EQ(edit.LineLength(5), 1);
  edit.SetSel(3, 0);  // before the first break
  edit.Delete();      // joins lines 0 and 1
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.LineLength(0), 4);
  EXPECT_EQ(edit.LineIndex(1), 6);
}

TEST(EditQueriesTest, LoneCrAndLfAreNotLineBreaks) {
  EditControlModel edit;
  edit.SetText(u"a\rb\nc");
  EXPECT_EQ(edit.LineCount(), 1);
  EXPECT_EQ(edit.LineLength(0), 5);
  edit.SetSel(2, 1);
  edit.ReplaceSel(u"");  // CR and LF meet and become a break
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.LineIndex(1), 3);
}

TEST(EditQueriesTest, HandlesAreUniqueAndNonZero) {
  const EditControlModel first;
  const EditControlModel second;
  EXPECT_NE(first.Handle(), 0u);
  EXPECT_NE(first.Handle(), second.Handle());
}

}  // namespace
}  // namespace orvo::emu
