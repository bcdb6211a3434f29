// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

// Line 0 "abcd" (4 units), line 1 "あいう" (6), line 2 "ｱｲ" (2), line 3 "x𠮷" (5).
constexpr char16_t kLines[] = u"abcd\r\nあいう\r\nｱｲ\r\nx\U00020BB7";

TEST(CaretMoveTest, MovesFromTheCaret) {
  using enum CaretMove;
  struct Case {
    int anchor;
    int caret;
    CaretMove move;
    bool extend;
    int new_anchor;
    int new_caret;
  };
  // clang-format off
  const Case cases[] = {
      {0, 0, kLeft, false, 0, 0},
      {6, 6, kLeft, false, 4, 4},          // over the CR LF pair at once
      {4, 4, kRight, false, 6, 6},
      {16, 16, kRight, false, 18, 18},     // over the surrogate pair
      {18, 18, kLeft, false, 16, 16},
      {18, 18, kRight, false, 18, 18},     // end of the text
      {1, 3, kLeft, false, 2, 2},          // a selection collapses at the moved caret
      {1, 3, kRight, true, 1, 4},
      {3, 3, kUp, false, 3, 3},            // first line: stays
      {2, 2, kDown, false, 7, 7},          // column 2 is after あ
      {3, 3, kDown, false, 7, 7},          // column 3 is inside い: stays before it
      {4, 4, kDown, false, 8, 8},
      {9, 9, kDown, false, 13, 13},        // column 6 is beyond ｱｲ: its end
      {8, 8, kDown, true, 8, 13},
      {13, 13, kUp, false, 7, 7},          // column 2 back up
      {12, 12, kDown, false, 16, 16},      // column 1 is after x
      {13, 13, kDown, false, 16, 16},      // column 2 is inside 𠮷
      {16, 16, kDown, false, 16, 16},      // last line: stays
      {8, 8, kHome, false, 6, 6},
      {8, 8, kEnd, true, 8, 9},
      {0, 0, kEnd, false, 4, 4},
      {8, 8, kTextEnd, false, 18, 18},
      {8, 8, kTextStart, true, 8, 0},
  };
  // clang-format on
  EditControlModel edit;
  edit.SetText(kLines);
  for (const Case& c : cases) {
    edit.SetSel(c.anchor, c.caret - c.anchor);
    edit.MoveCaret(c.move, c.extend);
    EXPECT_EQ(edit.Anchor(), c.new_anchor) << c.caret << " move " << static_cast<int>(c.move);
    EXPECT_EQ(edit.Caret(), c.new_caret) << c.caret << " move " << static_cast<int>(c.move);
  }
}

TEST(CaretMoveTest, ShiftExtendsBothWaysFromTheAnchor) {
  EditControlModel edit;
  edit.SetText(kLines);
  edit.SetSel(8, 0);
  edit.MoveCaret(CaretMove::kLeft, true);
  edit.MoveCaret(CaretMove::kLeft, true);
  EXPECT_EQ(edit.SelStart(), 6);
  EXPECT_EQ(edit.SelLength(), 2);
  edit.MoveCaret(CaretMove::kLeft, true);  // over the break
  EXPECT_EQ(edit.SelText(), u"\r\nあい");
  edit.MoveCaret(CaretMove::kDown, true);
  edit.MoveCaret(CaretMove::kRight, true);
  EXPECT_EQ(edit.Caret(), 9);
  EXPECT_EQ(edit.SelText(), u"う");
}

TEST(CaretMoveTest, PageMovesGoAViewHeight) {
  EditControlModel edit;
  edit.SetText(kLines);
  edit.SetViewSize(10, 2);
  edit.SetSel(2, 0);
  edit.MoveCaret(CaretMove::kPageDown, false);
  EXPECT_EQ(edit.Caret(), 13);  // line 2, column 2
  edit.MoveCaret(CaretMove::kPageDown, false);
  EXPECT_EQ(edit.Caret(), 16);  // the last line: column 2 is inside 𠮷
  edit.MoveCaret(CaretMove::kPageUp, false);
  EXPECT_EQ(edit.Caret(), 6);  // column 1 is inside あ
}

TEST(CaretMoveTest, BackspaceAndDeleteTakePairsWhole) {
  struct Case {
    const char16_t* text;
    int caret;
    bool backspace;  // else Delete
    const char16_t* after;
    int new_caret;
  };
  // clang-format off
  const Case cases[] = {
      {u"ab\r\ncd", 4, true, u"abcd", 2},
      {u"ab\r\ncd", 2, false, u"abcd", 2},
      {u"a\U00020BB7b", 3, true, u"ab", 1},
      {u"a\U00020BB7b", 1, false, u"ab", 1},
      {u"a\rb", 2, true, u"ab", 1},  // a lone CR is one character
      {u"ab", 0, true, u"ab", 0},
      {u"ab", 2, false, u"ab", 2},
  };
  // clang-format on
  for (const Case& c : cases) {
    EditControlModel edit;
    edit.SetText(c.text);
    edit.SetSel(c.caret, 0);
    if (c.backspace) {
      edit.Backspace();
    } else {
      edit.Delete();
    }
    EXPECT_EQ(edit.Text(), c.after) << ToUtf8(c.text) << " @" << c.caret;
    EXPECT_EQ(edit.Caret(), c.new_caret) << ToUtf8(c.text) << " @" << c.caret;
    EXPECT_EQ(edit.Modified(), ustring(c.text) != c.after);
  }
}

TEST(CaretMoveTest, BackspaceAndDeleteRemoveASelection) {
  EditControlModel edit;
  edit.SetText(u"abc\r\ndef");
  edit.SetSel(1, 5);
  edit.Backspace();
  EXPECT_EQ(edit.Text(), u"aef");
  edit.SetSel(0, 2);
  edit.Delete();
  EXPECT_EQ(edit.Text(), u"f");
  EXPECT_EQ(edit.Caret(), 0);
}

}  // namespace
}  // namespace orvo::emu
