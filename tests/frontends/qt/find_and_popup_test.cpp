// SPDX-License-Identifier: GPL-3.0-or-later
// The find dialog and the text box's pop-up menu in the window, worked with
// keys and named for screen readers, and the clipboard shared with every
// other program on the desktop.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>

#include "toolkit/forms/text_box_control.h"
#include "app/program_windows.h"
#include "platform/emulated/text_box.h"
#include "frontends/qt/candidate_list.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/forms/form_views.h"
#include "session_fixture.h"

namespace orvo::testing {
namespace {

QMenu* PopupMenu(qt::MainView& view) {
  QAction* action = view.MenuAction("mnuPOPUP");
  return action != nullptr ? action->menu() : nullptr;
}

TEST_F(QtFrontEnd, ShiftF10OpensThePopupMenuWhichTheKeysWork) {
  QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
  Press(Qt::Key_Control);
  Tap(Qt::Key_V);
  Release(Qt::Key_Control);
  ASSERT_EQ(Text(), u"abc");
  QMenu* popup = PopupMenu(View());
  ASSERT_NE(popup, nullptr);
  EXPECT_FALSE(View().MenuAction("mnuPOPUP")->isVisible());  // never on the bar
  Press(Qt::Key_Shift);
  Tap(Qt::Key_F10);
  Release(Qt::Key_Shift);
  QApplication::processEvents();
  ASSERT_TRUE(popup->isVisible());
  EXPECT_EQ(popup->accessibleName(), QStringLiteral("編集"));
  EXPECT_EQ(View().MenuAction("mnuPOP_ALL")->text(), QStringLiteral("すべて選択(&A)"));
  EXPECT_FALSE(View().MenuAction("mnuPOP_CUT")->isEnabled());  // nothing selected
  QTest::keyClick(popup, Qt::Key_A);
  Drain();
  EXPECT_FALSE(popup->isVisible());
  EXPECT_EQ(W().ActiveTextBox().SelText(), u"abc");
  EXPECT_EQ(View().focusWidget(), &View().Text());
  // The Applications key opens it too; its copy reaches the system clipboard.
  Tap(Qt::Key_Menu);
  QApplication::processEvents();
  ASSERT_TRUE(popup->isVisible());
  QTest::keyClick(popup, Qt::Key_C);
  Drain();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
}

TEST_F(QtFrontEnd, BrailleModesZOpensThePopupMenuAndBrailleGoesOnAfter) {
  W().ActiveTextBox().ReplaceSel(u"xyz");
  Tap(Qt::Key_F1);
  ASSERT_TRUE(BrailleMode());
  Tap(Qt::Key_Z);
  QApplication::processEvents();
  QMenu* popup = PopupMenu(View());
  ASSERT_NE(popup, nullptr);
  ASSERT_TRUE(popup->isVisible());
  QTest::keyClick(popup, Qt::Key_A);
  Drain();
  EXPECT_EQ(W().ActiveTextBox().SelText(), u"xyz");
  EXPECT_TRUE(BrailleMode());
  EXPECT_TRUE(S().program.state.LatchHeld);
  EXPECT_FALSE(S().desktop.Keys().Down(vk::kShift));
}

TEST_F(QtFrontEnd, TheFindDialogIsDrawnNamedAndWorkedWithKeys) {
  W().ActiveTextBox().ReplaceSel(u"cat dog cat");
  W().ActiveTextBox().SetSel(0, 3);
  W().ClickMenu("mnuSERCH_FIND");
  S().Settle();
  qt::FormView* view = S().Views().Find("frmFIND");
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_TRUE(view->Undrawn().empty());
  EXPECT_TRUE(view->windowTitle().startsWith(QStringLiteral("検索／置換")));
  QWidget* find_box = view->WidgetOf("txtFIND");
  ASSERT_NE(find_box, nullptr);
  EXPECT_EQ(find_box->accessibleName(), QStringLiteral("検索する文字列"));
  auto* find_button = view->Find<QPushButton>("cmdFIND");
  ASSERT_NE(find_button, nullptr);
  EXPECT_EQ(find_button->text(), QStringLiteral("次を 検索 （Ｆ３）"));
  EXPECT_TRUE(find_button->isEnabled());
  EXPECT_EQ(view->WidgetOf("optDirection", 1)->accessibleName(), QStringLiteral("下方向に"));
  Tap(Qt::Key_F3);
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 8);
  Tap(Qt::Key_F5);
  Drain();
  EXPECT_EQ(S().Views().Find("frmFIND"), nullptr);
  EXPECT_FALSE(S().program.flags.FindOpen);
  EXPECT_EQ(S().program.search.text, u"cat");
}

// Braille typed into the one-line search box converts there, its candidates
// in a list of their own over the dialog, shown whole, not clipped to the box.
TEST_F(QtFrontEnd, TheSearchBoxTakesBrailleAndShowsItsCandidatesWhole) {
  W().ClickMenu("mnuSERCH_FIND");
  S().Settle();
  qt::FormView* view = S().Views().Find("frmFIND");
  ASSERT_NE(view, nullptr);
  Tap(Qt::Key_F1);
  ASSERT_TRUE(BrailleMode());
  ASSERT_NE(S().Views().Find("frmFIND"), nullptr);
  Chord({Qt::Key_F});
  Chord({Qt::Key_F, Qt::Key_D});
  Tap(Qt::Key_Space);
  QWidget* find_box = view->WidgetOf("txtFIND");
  ASSERT_NE(find_box, nullptr);
  auto* list = find_box->findChild<qt::CandidateList*>();
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(list->isVisible());
  EXPECT_TRUE(list->isWindow());
  EXPECT_GT(list->count(), 0);
  EXPECT_GT(list->height(), find_box->height());
  Tap(Qt::Key_N);
  EXPECT_FALSE(list->isVisible());
  auto* edit = dynamic_cast<emu::TextBox*>(S().program.windows->FindTypingBox() != nullptr
                                               ? &S().program.windows->FindTypingBox()->Box()
                                               : nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Text(), u"あい");
  EXPECT_EQ(W().ActiveTextBox().Text(), u"");  // the document is not touched
}

TEST_F(QtFrontEnd, TextCopiedInOrvoPastesElsewhereAndBack) {
  W().ActiveTextBox().ReplaceSel(u"点字 text");
  W().ActiveTextBox().SetSel(0, 2);
  W().ClickMenu("mnuCOPY");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("点字"));
  QGuiApplication::clipboard()->setText(QStringLiteral("他のソフト"));  // another program copies
  W().ActiveTextBox().SetSel(7, 0);
  W().ClickMenu("mnuPAST");
  EXPECT_EQ(Text(), u"点字 text他のソフト");
}

}  // namespace
}  // namespace orvo::testing
