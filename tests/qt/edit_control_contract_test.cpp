// One set of promises for every edit control: the emulated model, and the
// model shown in the Qt document widget, run the same cases (CR LF text,
// selection, typing, undo, double-byte figures, the limit, scrolling), the
// widget showing each line as it should. What the widget itself shows and
// takes (selection, composition, scroll bars, screen readers) follows at the end.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "platform/qt/font_map.h"
#include "platform/qt/qt_text.h"
#include "qt/edit_control_subjects.h"

namespace orvo::testing {
namespace {

template <class Subject>
class EditControlContract : public ::testing::Test {
 protected:
  EditControlContract() {
    Edit().SetNoticeSink([this](EditNotice notice) { notices_.push_back(notice); });
  }
  EditControl& Edit() { return subject_.edit; }

  Subject subject_;
  std::vector<EditNotice> notices_;
};

struct SubjectNames {
  template <class T>
  static std::string GetName(int) {
    return T::kName;
  }
};

using Subjects = ::testing::Types<ModelSubject, WidgetSubject>;
TYPED_TEST_SUITE(EditControlContract, Subjects, SubjectNames);

// "a" CR LF "𠮷" (a surrogate pair) "b"
constexpr char16_t kPairs[] = u"a\r\n\U00020BB7b";
// Line 0 "ab" (2 units), line 1 "あいｳ" (5), line 2 empty, line 3 "x漢" (3).
constexpr char16_t kMixed[] = u"ab\r\nあいｳ\r\n\r\nx漢";

// Ten lines; line 4 is the widest at 12 units (six full-width characters).
ustring TenLines() {
  ustring text;
  for (int line = 0; line < 10; ++line) {
    if (line > 0) text += u"\r\n";
    text += line == 4 ? u"あいうえおか" : u"abc";
  }
  return text;
}

TYPED_TEST(EditControlContract, TextKeepsItsLineEnds) {
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
TYPED_TEST(EditControlContract, RevisionMovesOnlyWithTheText) {
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

TYPED_TEST(EditControlContract, SetSelClampsAndNeverSplitsAPair) {
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

TYPED_TEST(EditControlContract, ReplacingAcrossABreakJoinsTheLines) {
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

TYPED_TEST(EditControlContract, LoneCrAndLfMeetAndBreakTheLine) {
  EditControl& edit = this->Edit();
  edit.SetText(u"a\rb\nc");
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

TYPED_TEST(EditControlContract, LineFiguresOfMixedWidthText) {
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
  EXPECT_EQ(edit.LineLength(17), 0);
}

TYPED_TEST(EditControlContract, CaretFiguresFollowTheSelection) {
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

TYPED_TEST(EditControlContract, FiguresFollowTyping) {
  EditControl& edit = this->Edit();
  for (const char16_t* key : {u"あ", u"a", u"\r\n", u"ｶ", u"\r\n", u"漢"}) edit.ReplaceSel(key);
  EXPECT_EQ(edit.Text(), u"あa\r\nｶ\r\n漢");
  EXPECT_EQ(edit.LineCount(), 3);
  EXPECT_EQ(edit.LineIndex(-1), 8);
  EXPECT_EQ(edit.SelEndDbcs(), 10);
  edit.SetSel(2, 2);  // the first break goes: lines 0 and 1 join
  edit.ReplaceSel(u"");
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(edit.LineLength(0), 4);
  EXPECT_EQ(edit.LineIndex(1), 6);
  EXPECT_EQ(this->subject_.ShownLines(), (std::vector<int>{3, 1}));
}

// Backspace, as the interface has it: the character before the caret goes.
void BackSpace(EditControl& e) {
  e.SetSel(e.SelStart() - 1, 1);
  e.ReplaceSel(u"");
}

// Each case edits "abcdef" (caret at 3) and undoes once, then once more.
TYPED_TEST(EditControlContract, OneUndoTakesBackTheWholeRun) {
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

TYPED_TEST(EditControlContract, UndoRules) {
  EditControl& edit = this->Edit();
  EXPECT_FALSE(edit.CanUndo());
  edit.Undo();  // nothing to undo: nothing changes
  EXPECT_FALSE(edit.Modified());

  edit.SetText(u"abc");
  edit.SetSel(3, 0);
  edit.ReplaceSel(u"1");
  edit.SetSel(0, 0);
  edit.ReplaceSel(u"2");  // typing elsewhere starts a new step
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"abc1");

  edit.SetText(u"hello world");
  edit.SetSel(6, 5);
  edit.ReplaceSel(u"");
  edit.SetModified(false);
  edit.Undo();  // selects what it put back and sets the modify flag
  EXPECT_EQ(edit.Text(), u"hello world");
  EXPECT_EQ(edit.SelText(), u"world");
  EXPECT_TRUE(edit.Modified());

  edit.SetSel(0, 11);
  edit.ReplaceSel(u"");
  edit.SetLimit(2);
  edit.Undo();  // not bound by the limit
  EXPECT_EQ(edit.Text(), u"hello world");
  EXPECT_TRUE(this->notices_.empty());

  edit.EmptyUndoBuffer();
  EXPECT_FALSE(edit.CanUndo());
  edit.Undo();
  EXPECT_EQ(edit.Text(), u"hello world");
}

TYPED_TEST(EditControlContract, SetTextResetsCaretUndoModifyAndScroll) {
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

TYPED_TEST(EditControlContract, LimitCutsInputAndReportsIt) {
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

TYPED_TEST(EditControlContract, ASinkMayReplaceItselfAndEditAgain) {
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

TYPED_TEST(EditControlContract, LineScrollClamps) {
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

TYPED_TEST(EditControlContract, CaretIsScrolledIntoView) {
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

TYPED_TEST(EditControlContract, ShrinkingTheTextPullsTheViewBack) {
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

TYPED_TEST(EditControlContract, WrappingAndDisablingLeaveTheText) {
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

// ---- The widget itself ----

class QtEditControlWidget : public ::testing::Test {
 protected:
  QtEditControlWidget() {
    App();
    edit_ = std::make_unique<qt::QtEditControl>();
    edit_->SetNoticeSink([this](EditNotice notice) { notices_.push_back(notice); });
  }
  qt::DocumentEdit& W() { return *edit_->Widget(); }
  QString PreeditShown() { return W().textCursor().block().layout()->preeditAreaText(); }

  std::unique_ptr<qt::QtEditControl> edit_;
  std::vector<EditNotice> notices_;
};

TEST_F(QtEditControlWidget, ShowsLinesAsBlocksAndLoneBreaksAsStandIns) {
  edit_->SetText(u"a\rb\r\nc\n\u2029");
  EXPECT_EQ(W().toPlainText(), QStringLiteral("a\u240Db\nc\u240A\u2424"));
  EXPECT_EQ(W().blockCount(), 2);
  // A lone CR meeting a typed LF becomes a break, and splits again.
  edit_->SetText(u"x\r");
  edit_->SetSel(2, 0);
  edit_->ReplaceSel(u"\ny");
  EXPECT_EQ(W().toPlainText(), QStringLiteral("x\ny"));
  edit_->Undo();
  EXPECT_EQ(edit_->Text(), u"x\r");
  EXPECT_EQ(W().toPlainText(), QStringLiteral("x\u240D"));
  EXPECT_FALSE(W().testAttribute(Qt::WA_InputMethodEnabled));
  edit_->SetEnabled(false);
  edit_->Sync();
  edit_->SetEnabled(true);
  edit_->Sync();
  EXPECT_FALSE(W().testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_FALSE(W().inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST_F(QtEditControlWidget, SelectionInTheWidgetCountsBreaksAsTwo) {
  edit_->SetText(u"ab\r\ncd\r\nef");
  QTextCursor cursor = W().textCursor();
  cursor.setPosition(6);  // the start of "ef" in the widget's "ab¶cd¶ef", as a mouse drag leaves it
  cursor.setPosition(1, QTextCursor::KeepAnchor);
  W().setTextCursor(cursor);
  EXPECT_EQ(edit_->SelStart(), 1);
  EXPECT_EQ(edit_->SelLength(), 7);
  EXPECT_EQ(edit_->Caret(), 1);
  EXPECT_EQ(edit_->SelText(), u"b\r\ncd\r\n");
  edit_->SetSel(4, 4);  // "cd" CR LF
  edit_->Sync();
  EXPECT_EQ(W().textCursor().selectionStart(), 3);
  EXPECT_EQ(W().textCursor().selectionEnd(), 6);
}

TEST_F(QtEditControlWidget, NothingButTheControlChangesTheText) {
  edit_->SetText(u"ab\r\ncd");
  edit_->SetSel(2, 0);
  edit_->Sync();
  // Keys belong to the program, which edits the control; typed straight into
  // the widget they do nothing, Ctrl+Z and Ctrl+V included.
  QTest::keyClicks(&W(), QStringLiteral("xy"));
  QTest::keyClick(&W(), Qt::Key_Return);
  QTest::keyClick(&W(), Qt::Key_Backspace);
  QTest::keyClick(&W(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&W(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(W().toPlainText(), QStringLiteral("ab\ncd"));
  // Whatever edits the widget behind the control's back is put right.
  W().insertPlainText(QStringLiteral("zz"));
  QCoreApplication::processEvents();
  EXPECT_EQ(W().toPlainText(), QStringLiteral("ab\ncd"));
  EXPECT_EQ(edit_->Text(), u"ab\r\ncd");
  EXPECT_FALSE(edit_->Modified());
  EXPECT_TRUE(notices_.empty());
}

TEST_F(QtEditControlWidget, CompositionIsThePreeditAtTheCaret) {
  edit_->SetText(u"あい");
  edit_->SetSel(0, 1);
  edit_->Sync();
  qt::Preedit converting;
  converting.text = u"私は日本語";
  converting.clause_lengths = {2, 3};
  converting.focused = 1;
  converting.caret = 2;
  edit_->Mirror().ShowComposition(converting);
  EXPECT_EQ(PreeditShown(), QStringLiteral("私は日本語"));
  // The text is untouched; the selection gives way to the composition.
  EXPECT_EQ(W().toPlainText(), QStringLiteral("あい"));
  EXPECT_FALSE(W().textCursor().hasSelection());
  edit_->Sync();
  EXPECT_FALSE(W().textCursor().hasSelection());
  EXPECT_EQ(edit_->SelLength(), 1);
  // The focused clause stands out, inverted; the other is underlined.
  const QTextLayout& layout = *W().textCursor().block().layout();
  const int at = layout.preeditAreaPosition();
  EXPECT_EQ(at, 1);  // the caret's place
  bool focused_inverted = false;
  bool other_underlined = false;
  for (const QTextLayout::FormatRange& range : layout.formats()) {
    if (range.start == at + 2 && range.length == 3) {
      focused_inverted = range.format.background().color() == W().palette().color(QPalette::Text);
    }
    if (range.start == at && range.length == 2) {
      other_underlined = range.format.underlineStyle() != QTextCharFormat::NoUnderline;
    }
  }
  EXPECT_TRUE(focused_inverted);
  EXPECT_TRUE(other_underlined);
  EXPECT_FALSE(W().PreeditRect(2).isEmpty());
  EXPECT_GT(W().PreeditRect(2).left(), W().PreeditRect(0).left());
  // Confirmed: the text takes it and the preedit goes.
  edit_->ReplaceSel(u"私は日本語");
  edit_->Mirror().ShowComposition({});
  EXPECT_EQ(PreeditShown(), QString());
  EXPECT_EQ(W().toPlainText(), QStringLiteral("私は日本語い"));
  EXPECT_TRUE(W().PreeditRect(0).isEmpty());
}

TEST_F(QtEditControlWidget, AppearanceReachesTheWidget) {
  edit_->SetBackColor(0x0000FF);  // red
  edit_->SetForeColor(0xFF0000);  // blue
  edit_->SetFont({u"ＭＳ ゴシック", 12, true});
  edit_->SetWordWrap(true);
  edit_->Sync();
  EXPECT_EQ(W().palette().color(QPalette::Base), QColor(255, 0, 0));
  EXPECT_EQ(W().palette().color(QPalette::Text), QColor(0, 0, 255));
  EXPECT_EQ(W().font().family(), qt::FamilyFor(u"ＭＳ ゴシック"));
  EXPECT_TRUE(W().font().bold());
  EXPECT_EQ(W().lineWrapMode(), QPlainTextEdit::WidgetWidth);
  edit_->SetWordWrap(false);
  edit_->SetEnabled(false);
  edit_->Sync();
  EXPECT_EQ(W().lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_FALSE(W().isEnabled());
}

TEST_F(QtEditControlWidget, ScrollBarsFollowBothWays) {
  W().show();
  edit_->Mirror().SetViewSize(5, 4);
  EXPECT_EQ(edit_->Mirror().ViewColumns(), 5);
  EXPECT_EQ(edit_->Mirror().ViewLines(), 4);
  EXPECT_EQ(edit_->ViewLines(), 4);  // the control's own figure follows the widget
  edit_->SetText(TenLines());
  edit_->LineScroll(0, 3);
  edit_->Sync();
  EXPECT_EQ(W().verticalScrollBar()->value(), 3);
  EXPECT_EQ(W().cursorForPosition(QPoint(1, 1)).blockNumber(), 3);  // the top line shown
  W().verticalScrollBar()->setValue(5);                             // the person scrolls
  EXPECT_EQ(edit_->FirstVisibleLine(), 5);
  W().hide();
}

TEST_F(QtEditControlWidget, ScreenReadersReadAnEditableText) {
  edit_->SetText(u"ab\r\ncd");
  edit_->SetSel(4, 0);
  edit_->Sync();
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&W());
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("本文"));
  EXPECT_TRUE(reader->state().editable);
  EXPECT_FALSE(reader->state().readOnly);
  QAccessibleTextInterface* text = reader->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("ab\ncd"));
  EXPECT_EQ(text->cursorPosition(), 3);
  text->setCursorPosition(1);  // the reader moves the caret
  EXPECT_EQ(edit_->Caret(), 1);
}

TEST_F(QtEditControlWidget, KeepsWorkingWhenItsParentDestroysTheWidget) {
  auto parent = std::make_unique<QWidget>();
  qt::QtEditControl edit(parent.get());
  edit.SetText(u"ab");
  parent.reset();
  EXPECT_EQ(edit.Widget(), nullptr);
  edit.SetSel(2, 0);
  edit.ReplaceSel(u"\r\nc");
  edit.Sync();
  EXPECT_EQ(edit.Text(), u"ab\r\nc");
  EXPECT_EQ(edit.LineCount(), 2);
  edit.LineScroll(0, 1);
  edit.SetFont({u"FixedSys", 9, false});
}

TEST_F(QtEditControlWidget, AMirrorOutlivedByItsModelLetsGo) {
  qt::DocumentEdit widget;
  qt::EditMirror mirror(widget);
  {
    emu::EditControlModel model;
    model.SetText(u"abc");
    mirror.Attach(&model);
    EXPECT_EQ(widget.toPlainText(), QStringLiteral("abc"));
  }
  EXPECT_EQ(mirror.Model(), nullptr);
  widget.resize(200, 100);  // nothing is told to the gone model
  widget.verticalScrollBar()->setValue(1);
  mirror.Sync();
}

}  // namespace
}  // namespace orvo::testing
