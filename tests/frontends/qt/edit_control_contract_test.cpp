// SPDX-License-Identifier: GPL-3.0-or-later
// The model shown in the Qt document widget keeps the promises every edit
// control makes, showing each line as it should. What the widget itself shows
// and takes (selection, composition, scroll bars, screen readers) follows.
#include "platform/emulated/edit/edit_control_contract.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>
#include <vector>

#include "frontends/qt/font_map.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/edit_control_subjects.h"

namespace orvo::testing {
namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, EditControlContract, WidgetSubject, SubjectNames);

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

TEST_F(QtEditControlWidget, AReadingIsUnderlinedWithASolidLine) {
  qt::Preedit reading;
  reading.text = u"にほん";
  reading.caret = 3;
  edit_->Mirror().ShowComposition(reading);
  const QTextLayout& layout = *W().textCursor().block().layout();
  bool solid = false;
  for (const QTextLayout::FormatRange& range : layout.formats()) {
    solid = solid || range.format.underlineStyle() == QTextCharFormat::SingleUnderline;
  }
  EXPECT_TRUE(solid);  // a dotted line is lost to eyes with low vision
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
