// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One set of promises for every edit control (CR LF text, selection, typing,
// undo, double-byte figures, the limit, scrolling), each control showing every
// line as it holds it. A subject type brings the control and its view:
//   edit                 an EditControl, made with the subject
//   SetViewSize(c, l)    the visible area in double-byte columns and lines
//   ShownLines()         the characters of each line the control shows
//   kName                the name its cases run under
//   Departure(case)      optional: why the subject cannot keep a case, or null
// A test program instantiates the suite for its subjects:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Prefix, EditControlContract, Subjects, SubjectNames);
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "platform/edit_control.h"
#include "platform/text.h"

namespace orvo::testing {

// Characters of each line of a CR LF text.
inline std::vector<int> LineLengths(const ustring& text) {
  std::vector<int> lengths;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(u"\r\n", start)) != ustring::npos; start = end + 2) {
    lengths.push_back(static_cast<int>(end - start));
  }
  lengths.push_back(static_cast<int>(text.size() - start));
  return lengths;
}

// "a" CR LF "𠮷" (a surrogate pair) "b"
inline constexpr char16_t kPairs[] = u"a\r\n\U00020BB7b";
// Line 0 "ab" (2 units), line 1 "あいｳ" (5), line 2 empty, line 3 "x漢" (3).
inline constexpr char16_t kMixed[] = u"ab\r\nあいｳ\r\n\r\nx漢";

// Ten lines; line 4 is the widest at 12 units (six full-width characters).
inline ustring TenLines() {
  ustring text;
  for (int line = 0; line < 10; ++line) {
    if (line > 0) text += u"\r\n";
    text += line == 4 ? u"あいうえおか" : u"abc";
  }
  return text;
}

// Backspace, as the interface has it: the character before the caret goes.
inline void BackSpace(EditControl& e) {
  e.SetSel(e.SelStart() - 1, 1);
  e.ReplaceSel(u"");
}

struct SubjectNames {
  template <class T>
  static std::string GetName(int) {
    return T::kName;
  }
};

template <class Subject>
class EditControlContract : public ::testing::Test {
 protected:
  EditControlContract() {
    Edit().SetNoticeSink([this](EditNotice notice) { notices_.push_back(notice); });
  }
  EditControl& Edit() { return subject_.edit; }
  // A subject may name a promise its system cannot keep (Departure gives
  // the reason for a case's name, null for none): that case is skipped.
  void SetUp() override {
    if constexpr (requires { Subject::Departure(""); }) {
      const char* why = Subject::Departure(::testing::UnitTest::GetInstance()->current_test_info()->name());
      if (why != nullptr) GTEST_SKIP() << why;
    }
  }

  Subject subject_;
  std::vector<EditNotice> notices_;
};

TYPED_TEST_SUITE_P(EditControlContract);

TYPED_TEST_P(EditControlContract, TextKeepsItsLineEnds) {
  struct Case {
    const char16_t* text;
    int lines;
  };
  const Case cases[] = {
      {u"", 1},
      {u"abc", 1},
      {u"a\r\nb", 2},
      {u"\r\n\r\n", 3},
      {u"a\rb\nc", 1},  // a lone CR or LF is no break
      {u"\n\r", 1},
      {u"\r\r\n\n", 2},         // CR, a break, LF
      {u"x\u2029y\u2028z", 1},  // separators are characters too
      {u"\uFDD0\uFDD1", 1},
      {u"あ\U00020BB7ｱ\r\n", 2},
  };
  EditControl& edit = this->Edit();
  for (const Case& c : cases) {
    const ustring text = c.text;
    edit.SetText(text);
    EXPECT_EQ(edit.Text(), text) << ToUtf8(text);
    EXPECT_EQ(edit.LineCount(), c.lines) << ToUtf8(text);
    EXPECT_EQ(this->subject_.ShownLines(), LineLengths(text)) << ToUtf8(text);
    // Typing at the end keeps everything before it as it was.
    edit.SetSel(static_cast<int>(text.size()), 0);
    edit.ReplaceSel(u"!");
    EXPECT_EQ(edit.Text(), text + u"!") << ToUtf8(text);
    EXPECT_EQ(edit.SelStart(), static_cast<int>(text.size()) + 1) << ToUtf8(text);
    EXPECT_EQ(this->subject_.ShownLines(), LineLengths(text + u"!")) << ToUtf8(text);
  }
}

// Watchers read the revision instead of comparing texts: it moves with every
// change of the text and with nothing else.
TYPED_TEST_P(EditControlContract, RevisionMovesOnlyWithTheText) {
  EditControl& edit = this->Edit();
  struct Step {
    const char* what;
    std::function<void(EditControl&)> act;
    bool changes;
  };
  const Step steps[] = {
      {"set a text", [](EditControl& e) { e.SetText(u"あい\r\nう"); }, true},
      {"set the same text", [](EditControl& e) { e.SetText(u"あい\r\nう"); }, false},
      {"select", [](EditControl& e) { e.SetSel(1, 2); }, false},
      {"scroll", [](EditControl& e) { e.LineScroll(1, 1); }, false},
      {"type over the selection", [](EditControl& e) { e.ReplaceSel(u"x"); }, true},
      {"replace nothing with nothing", [](EditControl& e) { e.ReplaceSel(u""); }, false},
      {"undo", [](EditControl& e) { e.Undo(); }, true},
      {"modify flag", [](EditControl& e) { e.SetModified(false); }, false},
  };
  for (const Step& step : steps) {
    const std::uint64_t before = edit.Revision();
    step.act(edit);
    EXPECT_EQ(edit.Revision() != before, step.changes) << step.what;
  }
}

TYPED_TEST_P(EditControlContract, SetSelClampsAndNeverSplitsAPair) {
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
  EditControl& edit = this->Edit();
  edit.SetText(kPairs);
  for (const Case& c : cases) {
    edit.SetSel(c.start, c.length);
    EXPECT_EQ(edit.SelStart(), c.sel_start) << c.start << "+" << c.length;
    EXPECT_EQ(edit.SelLength(), c.sel_length) << c.start << "+" << c.length;
    EXPECT_EQ(edit.SelText(), ustring(kPairs).substr(c.sel_start, c.sel_length))
        << c.start << "+" << c.length;
  }
}

TYPED_TEST_P(EditControlContract, ReplacingAcrossABreakJoinsTheLines) {
  EditControl& edit = this->Edit();
  edit.SetText(u"abc\r\ndef");
  edit.SetSel(2, 3);
  EXPECT_EQ(edit.SelText(), u"c\r\n");
  edit.ReplaceSel(u"X");
  EXPECT_EQ(edit.Text(), u"abXdef");
  EXPECT_EQ(edit.LineCount(), 1);
  EXPECT_EQ(edit.SelStart(), 3);
  EXPECT_EQ(edit.SelLength(), 0);
  EXPECT_TRUE(edit.Modified());
  EXPECT_EQ(this->subject_.ShownLines(), std::vector<int>{6});
}

TYPED_TEST_P(EditControlContract, ReplaceSelWithAViewOfItsOwnText) {
  EditControl& edit = this->Edit();
  edit.SetText(u"abc");
  edit.SetSel(3, 0);
  for (int i = 0; i < 6; ++i) edit.ReplaceSel(edit.Text());  // grows and moves the buffer
  EXPECT_EQ(edit.Text().size(), 3u << 6);
  EXPECT_EQ(edit.Text().substr(0, 6), u"abcabc");
  EXPECT_EQ(this->subject_.ShownLines(), std::vector<int>{3 << 6});
}

TYPED_TEST_P(EditControlContract, LoneCrAndLfMeetAndBreakTheLine) {
  EditControl& edit = this->Edit();
  edit.SetText(u"a\rb\nc");
  EXPECT_EQ(edit.LineCount(), 1);
  EXPECT_EQ(edit.LineLength(0), 5);
  edit.SetSel(2, 1);
  edit.ReplaceSel(u"");
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.LineIndex(1), 3);
  EXPECT_EQ(this->subject_.ShownLines(), (std::vector<int>{1, 1}));
  edit.SetSel(1, 2);  // the pair turned round: two characters, no break
  edit.ReplaceSel(u"\n\r");
  EXPECT_EQ(edit.Text(), u"a\n\rc");
  EXPECT_EQ(this->subject_.ShownLines(), std::vector<int>{4});
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"a\r\nc");
  EXPECT_EQ(this->subject_.ShownLines(), (std::vector<int>{1, 1}));
}

TYPED_TEST_P(EditControlContract, LineFiguresOfMixedWidthText) {
  EditControl& edit = this->Edit();
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
  EXPECT_EQ(edit.LineLength(16), 3);     // the end of the text is on the last line
  EXPECT_EQ(edit.LineLength(17), 0);
}

TYPED_TEST_P(EditControlContract, CaretFiguresFollowTheSelection) {
  struct Case {
    int start;
    int length;
    int sel_start_dbcs;
    int sel_end_dbcs;
    int caret_line;        // EM_LINEFROMCHAR(-1)
    int caret_line_index;  // EM_LINEINDEX(-1)
    int unselected;        // EM_LINELENGTH(-1)
  };
  // clang-format off
  const Case cases[] = {
      {0, 0, 0, 0, 0, 0, 2},
      {5, 0, 6, 6, 1, 4, 5},       // after あ
      {7, 0, 9, 9, 1, 4, 5},       // end of line 1, after half-width ｳ
      {9, 0, 11, 11, 2, 11, 0},    // the empty line
      {13, 0, 16, 16, 3, 13, 3},   // end of the text
      {1, 4, 1, 6, 1, 4, 4},       // across a break: a, and いｳ stay
      {0, 13, 0, 16, 3, 13, 0},    // everything
  };
  // clang-format on
  EditControl& edit = this->Edit();
  edit.SetText(kMixed);
  for (const Case& c : cases) {
    edit.SetSel(c.start, c.length);
    EXPECT_EQ(edit.SelStartDbcs(), c.sel_start_dbcs) << c.start << "+" << c.length;
    EXPECT_EQ(edit.SelEndDbcs(), c.sel_end_dbcs) << c.start << "+" << c.length;
    EXPECT_EQ(edit.LineFromChar(-1), c.caret_line) << c.start << "+" << c.length;
    EXPECT_EQ(edit.LineIndex(-1), c.caret_line_index) << c.start << "+" << c.length;
    EXPECT_EQ(edit.LineLength(-1), c.unselected) << c.start << "+" << c.length;
  }
}

TYPED_TEST_P(EditControlContract, FiguresFollowTyping) {
  EditControl& edit = this->Edit();
  for (const char16_t* key : {u"あ", u"a", u"\r\n", u"ｶ", u"\r\n", u"漢"}) edit.ReplaceSel(key);
  EXPECT_EQ(edit.Text(), u"あa\r\nｶ\r\n漢");
  EXPECT_EQ(edit.LineCount(), 3);
  EXPECT_EQ(edit.LineIndex(-1), 8);
  EXPECT_EQ(edit.SelEndDbcs(), 10);
  EXPECT_EQ(edit.LineLength(0), 3);
  EXPECT_EQ(edit.LineLength(5), 1);
  edit.SetSel(2, 2);  // the first break goes: lines 0 and 1 join
  edit.ReplaceSel(u"");
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.LineLength(0), 4);
  EXPECT_EQ(edit.LineIndex(1), 6);
  EXPECT_EQ(this->subject_.ShownLines(), (std::vector<int>{3, 1}));
}

// Each case edits "abcdef" (caret at 3) and undoes once, then once more.
TYPED_TEST_P(EditControlContract, OneUndoTakesBackTheWholeRun) {
  struct Case {
    const char* name;
    void (*edit)(EditControl&);
    const char16_t* edited;
  };
  const Case cases[] = {
      {"typing",
       [](EditControl& e) {
         for (auto k : {u"x", u"y", u"\r\n", u"あ"}) e.ReplaceSel(k);
       },
       u"abcxy\r\nあdef"},
      {"backspaces",
       [](EditControl& e) {
         BackSpace(e);
         BackSpace(e);
       },
       u"adef"},
      {"backspace then typing",
       [](EditControl& e) {
         BackSpace(e);
         e.ReplaceSel(u"Z");
       },
       u"abZdef"},
      {"selection replaced",
       [](EditControl& e) {
         e.SetSel(1, 4);
         e.ReplaceSel(u"Q");
         e.ReplaceSel(u"R");
       },
       u"aQRf"},
  };
  EditControl& edit = this->Edit();
  for (const Case& c : cases) {
    edit.SetText(u"abcdef");
    edit.SetSel(3, 0);
    c.edit(edit);
    ASSERT_EQ(edit.Text(), c.edited) << c.name;
    ASSERT_TRUE(edit.CanUndo()) << c.name;
    edit.Undo();
    EXPECT_EQ(edit.Text(), u"abcdef") << c.name;
    EXPECT_EQ(this->subject_.ShownLines(), std::vector<int>{6}) << c.name;
    edit.Undo();  // the second undo redoes
    EXPECT_EQ(edit.Text(), c.edited) << c.name;
    EXPECT_EQ(this->subject_.ShownLines(), LineLengths(c.edited)) << c.name;
  }
}

TYPED_TEST_P(EditControlContract, NothingToUndoBeforeAnEdit) {
  EditControl& edit = this->Edit();
  EXPECT_FALSE(edit.CanUndo());
  edit.Undo();
  EXPECT_FALSE(edit.Modified());
  edit.SetText(u"abc");  // loading is no edit
  EXPECT_FALSE(edit.CanUndo());
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"abc");
  EXPECT_FALSE(edit.Modified());
}

// Each case types its keys into "abc", each at its own place, and undoes once:
// only the last step goes.
TYPED_TEST_P(EditControlContract, TypingElsewhereStartsANewStep) {
  struct Key {
    int at;
    const char16_t* typed;
  };
  struct Case {
    std::vector<Key> keys;
    const char16_t* undone;
  };
  const Case cases[] = {
      {{{3, u"1"}, {0, u"2"}}, u"abc1"},
      {{{3, u"1"}, {0, u"2"}, {2, u"3"}}, u"2abc1"},
  };
  EditControl& edit = this->Edit();
  for (const Case& c : cases) {
    edit.SetText(u"abc");
    for (const Key& key : c.keys) {
      edit.SetSel(key.at, 0);
      edit.ReplaceSel(key.typed);
    }
    edit.Undo();
    EXPECT_EQ(edit.Text(), c.undone) << c.keys.size();
  }
}

TYPED_TEST_P(EditControlContract, UndoSelectsWhatItPutBackAndSetsTheModifyFlag) {
  EditControl& edit = this->Edit();
  edit.SetText(u"hello world");
  edit.SetSel(6, 5);
  edit.ReplaceSel(u"");
  edit.SetModified(false);
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"hello world");
  EXPECT_EQ(edit.SelText(), u"world");
  EXPECT_TRUE(edit.Modified());
  edit.Undo();  // and takes it away again, leaving the caret
  EXPECT_EQ(edit.Text(), u"hello ");
  EXPECT_EQ(edit.SelLength(), 0);
  EXPECT_EQ(edit.LineLength(0), 6);
}

TYPED_TEST_P(EditControlContract, UndoIgnoresTheLimitAndEmptyingForgets) {
  EditControl& edit = this->Edit();
  edit.SetText(u"hello world");
  edit.SetSel(0, 11);
  edit.ReplaceSel(u"");
  edit.SetLimit(2);
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"hello world");
  EXPECT_TRUE(this->notices_.empty());

  edit.EmptyUndoBuffer();
  EXPECT_FALSE(edit.CanUndo());
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"hello world");
}

TYPED_TEST_P(EditControlContract, SetTextResetsCaretUndoModifyAndScroll) {
  EditControl& edit = this->Edit();
  this->subject_.SetViewSize(5, 4);
  edit.SetText(TenLines());
  edit.SetSel(20, 3);
  edit.ReplaceSel(u"typed");
  edit.LineScroll(2, 3);
  ASSERT_TRUE(edit.Modified());
  edit.SetText(u"loaded\r\ntext");
  EXPECT_EQ(edit.SelStart(), 0);
  EXPECT_EQ(edit.SelLength(), 0);
  EXPECT_FALSE(edit.Modified());
  EXPECT_FALSE(edit.CanUndo());
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.FirstVisibleColumn(), 0);
}

TYPED_TEST_P(EditControlContract, LimitCutsInputAndReportsIt) {
  EditControl& edit = this->Edit();
  EXPECT_EQ(edit.Limit(), 30000);
  edit.SetLimit(60000);
  EXPECT_EQ(edit.Limit(), 60000);
  edit.SetLimit(0);
  EXPECT_EQ(edit.Limit(), std::numeric_limits<int>::max());

  struct Case {
    const char16_t* text;
    int start;  // selection replaced
    int length;
    int limit;
    const char16_t* typed;
    const char16_t* result;
    bool reported;
  };
  const Case cases[] = {
      {u"abc", 3, 0, 5, u"de", u"abcde", false},  // exactly fills
      {u"abc", 3, 0, 5, u"def", u"abcde", true},
      {u"abc", 3, 0, 4, u"あ", u"abc", true},     // a full-width character never half fits
      {u"abc", 3, 0, 5, u"ｱあ", u"abcｱ", true},   // half-width kana is one unit
      {u"abc", 3, 0, 4, u"\r\nx", u"abc", true},  // a break never half fits
      {u"abc", 3, 0, 5, u"x\U00020BB7", u"abcx", true},
      {u"abc", 1, 2, 4, u"xyz", u"axyz", false},   // the selection's room counts
      {u"abcdef", 0, 1, 3, u"z", u"bcdef", true},  // already over: the selection still goes
  };
  for (const Case& c : cases) {
    edit.SetText(c.text);
    edit.SetLimit(c.limit);
    edit.SetSel(c.start, c.length);
    this->notices_.clear();
    edit.ReplaceSel(c.typed);
    EXPECT_EQ(edit.Text(), c.result) << ToUtf8(c.typed);
    EXPECT_EQ(this->notices_,
              c.reported ? std::vector{EditNotice::kMaxText} : std::vector<EditNotice>{})
        << ToUtf8(c.typed);
    EXPECT_EQ(this->subject_.ShownLines(), LineLengths(c.result)) << ToUtf8(c.typed);
  }
  edit.SetLimit(4);
  this->notices_.clear();
  edit.SetText(u"1234567890");  // loading is not bound by the limit
  EXPECT_EQ(edit.Text(), u"1234567890");
  EXPECT_TRUE(this->notices_.empty());
}

TYPED_TEST_P(EditControlContract, ASinkMayReplaceItselfAndEditAgain) {
  EditControl& edit = this->Edit();
  int calls = 0;
  edit.SetLimit(3);
  edit.SetNoticeSink([&](EditNotice) {
    ++calls;
    edit.SetNoticeSink(nullptr);
    edit.SetSel(0, 1);
    edit.ReplaceSel(u"");
  });
  edit.ReplaceSel(u"abcd");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(edit.Text(), u"bc");
}

TYPED_TEST_P(EditControlContract, LineScrollClamps) {
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
  EditControl& edit = this->Edit();
  edit.SetText(TenLines());
  this->subject_.SetViewSize(5, 4);
  for (const Case& c : cases) {
    edit.LineScroll(c.columns, c.lines);
    EXPECT_EQ(edit.FirstVisibleColumn(), c.first_column) << c.columns << "," << c.lines;
    EXPECT_EQ(edit.FirstVisibleLine(), c.first_line) << c.columns << "," << c.lines;
  }
}

TYPED_TEST_P(EditControlContract, CaretIsScrolledIntoView) {
  EditControl& edit = this->Edit();
  edit.SetText(TenLines());
  this->subject_.SetViewSize(5, 4);
  edit.SetSel(edit.LineIndex(4) + 6, 0);  // after the sixth full-width character
  EXPECT_EQ(edit.FirstVisibleLine(), 0);  // SetSel alone does not scroll
  EXPECT_EQ(edit.FirstVisibleColumn(), 0);
  edit.ScrollCaret();
  EXPECT_EQ(edit.FirstVisibleLine(), 1);
  EXPECT_EQ(edit.FirstVisibleColumn(), 8);
  edit.SetSel(0, 0);
  edit.ScrollCaret();
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  EXPECT_EQ(edit.FirstVisibleColumn(), 0);

  edit.SetText(u"");
  this->subject_.SetViewSize(4, 2);
  for (int i = 0; i < 3; ++i) edit.ReplaceSel(u"\r\n");  // typing follows the caret
  EXPECT_EQ(edit.FirstVisibleLine(), 2);
  edit.ReplaceSel(u"あいう");
  EXPECT_EQ(edit.FirstVisibleColumn(), 3);
}

TYPED_TEST_P(EditControlContract, ShrinkingTheTextPullsTheViewBack) {
  EditControl& edit = this->Edit();
  edit.SetText(TenLines());
  this->subject_.SetViewSize(5, 4);
  edit.LineScroll(0, 6);
  edit.SetSel(3, static_cast<int>(edit.Text().size()));
  edit.ReplaceSel(u"");
  EXPECT_EQ(edit.LineCount(), 1);
  EXPECT_EQ(edit.FirstVisibleLine(), 0);
  edit.SetText(TenLines());
  edit.LineScroll(0, 6);
  this->subject_.SetViewSize(5, 8);
  EXPECT_EQ(edit.FirstVisibleLine(), 2);
}

TYPED_TEST_P(EditControlContract, WrappingAndDisablingLeaveTheText) {
  EditControl& edit = this->Edit();
  EXPECT_NE(edit.Handle(), 0u);
  EXPECT_TRUE(edit.Enabled());
  EXPECT_TRUE(edit.Visible());
  EXPECT_FALSE(edit.WordWrap());
  edit.SetText(u"a\r\nb");
  edit.SetSel(4, 0);
  edit.SetWordWrap(true);
  edit.SetEnabled(false);
  edit.SetFont({u"ＭＳ ゴシック", 12, true});
  EXPECT_EQ(edit.SelStart(), 4);
  edit.ReplaceSel(u"c");
  EXPECT_EQ(edit.Text(), u"a\r\nbc");
  EXPECT_TRUE(edit.WordWrap());
  EXPECT_FALSE(edit.Enabled());
}

REGISTER_TYPED_TEST_SUITE_P(EditControlContract, TextKeepsItsLineEnds, RevisionMovesOnlyWithTheText,
                            SetSelClampsAndNeverSplitsAPair, ReplacingAcrossABreakJoinsTheLines,
                            ReplaceSelWithAViewOfItsOwnText, LoneCrAndLfMeetAndBreakTheLine,
                            LineFiguresOfMixedWidthText, CaretFiguresFollowTheSelection,
                            FiguresFollowTyping, OneUndoTakesBackTheWholeRun,
                            NothingToUndoBeforeAnEdit, TypingElsewhereStartsANewStep,
                            UndoSelectsWhatItPutBackAndSetsTheModifyFlag,
                            UndoIgnoresTheLimitAndEmptyingForgets,
                            SetTextResetsCaretUndoModifyAndScroll, LimitCutsInputAndReportsIt,
                            ASinkMayReplaceItselfAndEditAgain, LineScrollClamps,
                            CaretIsScrolledIntoView, ShrinkingTheTextPullsTheViewBack,
                            WrappingAndDisablingLeaveTheText);

}  // namespace orvo::testing
