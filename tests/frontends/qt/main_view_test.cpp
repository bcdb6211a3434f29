// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the offscreen platform: drawn from its models, keys
// from Qt key events reaching the document through the input queue, menus
// mirroring the models and keeping the braille-mode protocol.
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <xcb/xcb.h>

#include "braille/announcer.h"
#include "platform/emulated/text_box.h"
#include "frontends/qt/picture_set.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/reader_events.h"
#include "frontends/qt/reader_notices.h"
#include "frontends/qt/document_pane.h"
#include "frontends/qt/forms/form_views.h"
#include "frontends/qt/session_fixture.h"
#include "readings/describer.h"

namespace orvo::testing {
namespace {

TEST_F(QtFrontEnd, WindowShowsTheModels) {
  EXPECT_TRUE(View().isVisible());
  EXPECT_EQ(View().windowTitle(), qt::ToQ(W().Caption()));
  EXPECT_EQ(View().Button("cmdTYPE")->text(), qt::ToQ(W().cmdTYPE.Caption()));
  // Pictures: the buttons' and the window's own.
  EXPECT_EQ(View().Button("cmdTYPE")->icon().cacheKey(), qt::PictureIcon(W().cmdTYPE.Picture()).cacheKey());
  EXPECT_FALSE(View().windowIcon().isNull());
  EXPECT_EQ(View().Label("lblMODE")->text(), qt::ToQ(W().lblMODE.Caption()));
  EXPECT_EQ(View().Label("lblSTYLE1")->text(), QStringLiteral("全行："));
  EXPECT_EQ(View().Pane().Box(), &W().ActiveTextBox());
  // The desktop's input method never composes in the text box.
  EXPECT_FALSE(View().Text().testAttribute(Qt::WA_InputMethodEnabled));
  // Every control can be named by a screen reader.
  for (const char* name : {"cmdMEMO", "cmdTYPE", "cmdIME"}) {
    EXPECT_FALSE(View().Button(name)->accessibleName().isEmpty()) << name;
  }
  EXPECT_EQ(View().Label("lblMODE")->accessibleName(),
            qt::ToQ(braille::SpokenMode(qt::FromQ(View().Label("lblMODE")->text()))));
  EXPECT_FALSE(View().Text().verticalScrollBar()->accessibleName().isEmpty());
  EXPECT_FALSE(View().Text().horizontalScrollBar()->accessibleName().isEmpty());
  // The window is named by its caption, file name and all.
  EXPECT_EQ(View().accessibleName(), qt::ToQ(W().Caption()));
  EXPECT_FALSE(View().grab().isNull());
}

TEST_F(QtFrontEnd, OnlyTheLineTypedIntoKeepsItsShapedText) {
  const auto keeps = [&](int block) {
    return View().Text().document()->findBlockByNumber(block).layout()->cacheEnabled();
  };
  Tap(Qt::Key_A);
  EXPECT_TRUE(keeps(0));
  Tap(Qt::Key_Return);
  Tap(Qt::Key_B);
  EXPECT_EQ(Text(), u"a\r\nb");
  EXPECT_FALSE(keeps(0));
  EXPECT_TRUE(keeps(1));
  // A text set anew has new lines: the caret's keeps its shapes again.
  W().ActiveTextBox().SetText(u"x\r\ny");
  S().Settle();
  EXPECT_TRUE(keeps(0));
  EXPECT_FALSE(keeps(1));
}

TEST_F(QtFrontEnd, ChordsTypedOnTheWindowReachTheDocument) {
  Tap(Qt::Key_F1);
  ASSERT_TRUE(BrailleMode());
  Chord({Qt::Key_F});               // あ
  Chord({Qt::Key_F, Qt::Key_D});    // い
  // Composing: the widget shows the IME's composition as its preedit, the
  // text itself still empty.
  auto* box = dynamic_cast<emu::TextBox*>(&W().ActiveTextBox());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(PreeditShown(), qt::ToQ(box->Ime().CompositionString()));
  EXPECT_FALSE(PreeditShown().isEmpty());
  EXPECT_TRUE(View().Text().toPlainText().isEmpty());
  EXPECT_FALSE(View().grab().isNull());
  Tap(Qt::Key_N);  // confirms
  EXPECT_EQ(Text(), u"あい");
  EXPECT_EQ(View().Text().toPlainText(), QStringLiteral("あい"));
  EXPECT_TRUE(PreeditShown().isEmpty());
}

TEST_F(QtFrontEnd, ConvertingListsTheCandidatesUnderTheClause) {
  Tap(Qt::Key_F1);
  Chord({Qt::Key_F});
  Chord({Qt::Key_F, Qt::Key_D});
  Tap(Qt::Key_Space);
  auto* box = dynamic_cast<emu::TextBox*>(&W().ActiveTextBox());
  ASSERT_TRUE(box->Ime().Converting());
  const qt::CandidateList& list = View().Pane().Candidates();
  ASSERT_TRUE(list.isVisible());
  const auto clause = box->Ime().Clauses()[static_cast<std::size_t>(box->Ime().FocusedClause())];
  ASSERT_EQ(list.count(), static_cast<int>(std::min<std::size_t>(clause.candidates.size(), 9)));
  EXPECT_EQ(list.item(0)->text(), QStringLiteral("1 ") + qt::ToQ(clause.candidates[0]));
  // A reader hears each candidate described, then its number.
  EXPECT_EQ(list.item(0)->data(Qt::AccessibleTextRole).toString(),
            qt::ToQ(clause.candidates[0] + u' ' + readings::Describe(clause.candidates[0]) + u" 1"));
  EXPECT_EQ(list.currentRow(), clause.selected);
  // Under the clause, inside the document.
  EXPECT_GE(list.geometry().top(), View().Text().PreeditRect(0).bottom());
  EXPECT_TRUE(View().Text().rect().contains(list.geometry()));
  // The next candidate: shown, and told to screen readers as the focused item.
  std::vector<int> told;
  const qt::ReaderListener before = qt::SetReaderListener([&](QAccessibleEvent& event) {
    if (event.type() == QAccessible::Focus && event.object() == &list) told.push_back(event.child());
  });
  Tap(Qt::Key_Space);
  qt::SetReaderListener(before);
  EXPECT_EQ(list.currentRow(), box->Ime().Clauses()[0].selected);
  EXPECT_EQ(told, std::vector<int>{list.currentRow()});
  // Confirming gives the reader's focus back to the document, and no hidden item keeps it.
  std::vector<QObject*> focused;
  const qt::ReaderListener again = qt::SetReaderListener([&](QAccessibleEvent& event) {
    if (event.type() == QAccessible::Focus) focused.push_back(event.object());
  });
  Tap(Qt::Key_N);
  qt::SetReaderListener(again);
  EXPECT_FALSE(list.isVisible());
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(focused, std::vector<QObject*>{&View().Text()});
  EXPECT_EQ(View().Text().toPlainText(), qt::ToQ(Text()));
}

TEST_F(QtFrontEnd, WhatTheProgramTypesIsWhatTheWidgetShows) {
  // Outside braille mode keys type themselves; Enter breaks the line, and
  // Ctrl+Z is the text box's own undo, all through the program.
  for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_Return, Qt::Key_C}) Tap(key);
  ASSERT_EQ(Text(), u"ab\r\nc");
  EXPECT_EQ(View().Text().toPlainText(), QStringLiteral("ab\nc"));
  EXPECT_EQ(View().Text().textCursor().position(), 4);
  QTest::keyClick(&View(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(View().Text().toPlainText(), qt::ToQ(Text()));
  EXPECT_NE(Text(), u"ab\r\nc");
}

TEST_F(QtFrontEnd, AClickInTheTextPlacesTheCaret) {
  for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_C}) Tap(key);
  ASSERT_EQ(Text(), u"abc");
  qt::DocumentEdit& text = View().Text();
  QTextCursor at(text.document());
  at.setPosition(1);
  QTest::mouseClick(text.viewport(), Qt::LeftButton, Qt::NoModifier, text.cursorRect(at).center());
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 1);
  EXPECT_EQ(W().ActiveTextBox().SelLength(), 0);
  EXPECT_EQ(Text(), u"abc");
}

TEST_F(QtFrontEnd, OverlappingKeysMakeOneChord) {
  Tap(Qt::Key_F1);
  Press(Qt::Key_F);
  Press(Qt::Key_D);
  Release(Qt::Key_F);
  Release(Qt::Key_D);
  Tap(Qt::Key_N);
  EXPECT_EQ(Text(), u"い");
}

TEST_F(QtFrontEnd, AutoRepeatIsKeyDownsWithoutKeyUps) {
  Tap(Qt::Key_F1);
  Send(QEvent::KeyPress, Qt::Key_F, false);
  for (int i = 0; i < 3; ++i) {
    Send(QEvent::KeyRelease, Qt::Key_F, true);  // X's repeat pairs: the release is dropped
    Send(QEvent::KeyPress, Qt::Key_F, true);
    EXPECT_TRUE(S().desktop.Keyboard::IsDown('F'));
  }
  Send(QEvent::KeyRelease, Qt::Key_F, false);
  Tap(Qt::Key_N);
  EXPECT_EQ(Text(), u"あ");
}

TEST_F(QtFrontEnd, LosingTheKeyboardReleasesHeldKeys) {
  Press(Qt::Key_F);
  ASSERT_TRUE(S().desktop.Keyboard::IsDown('F'));
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_FALSE(S().desktop.Keyboard::IsDown('F'));
}

TEST_F(QtFrontEnd, AModifierWhoseReleaseWentElsewhereComesUpWithTheNextKey) {
  Press(Qt::Key_Shift);
  ASSERT_TRUE(S().desktop.Keyboard::IsDown(vk::kShift));
  // Its release went to no window of ours; the next key says Shift is up.
  QKeyEvent next(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QCoreApplication::sendEvent(&View(), &next);
  EXPECT_FALSE(S().desktop.Keyboard::IsDown(vk::kShift));
  QKeyEvent up(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QCoreApplication::sendEvent(&View(), &up);
  EXPECT_EQ(Text(), u"a");  // typed as the small letter it was
}

TEST_F(QtFrontEnd, OnlyARealActivationChangeLeavesBrailleMode) {
  Tap(Qt::Key_F1);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);  // the start's own activation
  EXPECT_TRUE(BrailleMode());
  EXPECT_FALSE(W().Timer1.Enabled());

  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_FALSE(BrailleMode());
  ASSERT_TRUE(W().Timer1.Enabled());
  // The warning comes with the timer; no one answers it here, so it closes unanswered.
  S().desktop.Clock().Advance(W().Timer1.Interval());
  ASSERT_FALSE(S().program.messages.History().empty());
  EXPECT_NE(S().program.messages.History().back().text.find(u"警告"), ustring::npos);
}

// What the window system reports of the keyboard, as it reaches WINDOW.
void ReportFocus(qt::QtSession& session, std::uint8_t kind, QWidget& window) {
  xcb_focus_in_event_t event{};
  event.response_type = kind;
  event.detail = XCB_NOTIFY_DETAIL_NONLINEAR;
  event.mode = XCB_NOTIFY_MODE_NORMAL;
  event.event = static_cast<xcb_window_t>(window.winId());
  session.Views().Keyboard().nativeEventFilter("xcb_generic_event_t", &event, nullptr);
}

TEST_F(QtFrontEnd, QtCallingTheProgramInactiveWhileTheKeyboardStaysIsNoLoss) {
  Tap(Qt::Key_F1);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);  // the start's own activation
  ReportFocus(S(), XCB_FOCUS_IN, View());
  Press(Qt::Key_F);
  // A box that closed while Qt still counted it the keyboard's window took Qt's
  // focus along; the window system never moved the keyboard.
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_TRUE(BrailleMode());
  EXPECT_TRUE(S().desktop.Keyboard::IsDown('F'));
  S().desktop.Clock().Advance(1000);
  EXPECT_TRUE(BrailleMode());
  EXPECT_FALSE(W().Timer1.Enabled());

  // On its way to another window of the program the keyboard is no loss either.
  QWidget other;
  ReportFocus(S(), XCB_FOCUS_OUT, View());
  ReportFocus(S(), XCB_FOCUS_IN, other);
  S().desktop.Clock().Advance(1000);
  EXPECT_TRUE(BrailleMode());

  // When it really leaves, Qt says nothing more: the window system's report,
  // once it has stood a moment, ends braille mode with the warning.
  ReportFocus(S(), XCB_FOCUS_OUT, other);
  S().desktop.Clock().Advance(50);
  EXPECT_TRUE(BrailleMode());
  S().desktop.Clock().Advance(50);
  EXPECT_FALSE(BrailleMode());
  EXPECT_FALSE(S().desktop.Keyboard::IsDown('F'));
  EXPECT_TRUE(W().Timer1.Enabled());

  // Back, Qt's report of the activation is heard again.
  ReportFocus(S(), XCB_FOCUS_IN, View());
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  Tap(Qt::Key_F1);
  ASSERT_TRUE(BrailleMode());
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_TRUE(BrailleMode());
}

TEST_F(QtFrontEnd, ShortcutsNeverTakeAKey) {
  QKeyEvent override_event(QEvent::ShortcutOverride, Qt::Key_O, Qt::AltModifier);
  override_event.ignore();
  QCoreApplication::sendEvent(&View(), &override_event);
  EXPECT_TRUE(override_event.isAccepted());
}

TEST_F(QtFrontEnd, UnknownKeysDoNothing) {
  Tap(Qt::Key_Adiaeresis);
  Tap(Qt::Key_Meta);
  EXPECT_TRUE(Text().empty());
  EXPECT_TRUE(S().desktop.Queue().Empty());
}

TEST_F(QtFrontEnd, MenusMirrorTheModelInEveryMode) {
  auto check = [&](const char* when) {
    int seen = 0;
    W().MenuBar().FindIf([&](const forms::MenuEntry& item) {
      if (item.Name().empty() || item.IsSeparator()) return false;
      const std::string name = item.Name();
      QAction* action = View().MenuAction(name);
      ++seen;
      EXPECT_NE(action, nullptr) << name;
      if (action == nullptr) return false;
      EXPECT_EQ(action->text(), qt::ToQ(item.Caption())) << name << " " << when;
      EXPECT_EQ(action->isVisible(), item.Visible()) << name << " " << when;
      // Qt counts a hidden action as disabled.
      if (item.Visible()) {
        EXPECT_EQ(action->isEnabled(), item.Enabled()) << name << " " << when;
      }
      EXPECT_EQ(action->isChecked(), item.Checked()) << name << " " << when;
      return false;
    });
    EXPECT_EQ(seen, 45) << when;  // every named entry of the window, the pop-up menu's too
  };
  check("at start");
  Tap(Qt::Key_F1);
  check("in braille mode");
  W().Menu("mnuWORD_TURN").SetChecked(true);
  S().Sync();
  check("with a check mark");
}

TEST_F(QtFrontEnd, EntriesAddedOrRemovedAtRunTimeAppearAndGo) {
  forms::MenuEntry& file = W().Menu("mnuFILE");
  forms::MenuEntry& recent = file.Add("mnuMRU_TEST", u"&1 メモ.txt");
  S().Sync();
  QAction* action = View().MenuAction("mnuMRU_TEST");
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), QStringLiteral("&1 メモ.txt"));
  EXPECT_TRUE(View().MenuAction("mnuFILE")->menu()->actions().contains(action));
  recent.SetEnabled(false);
  S().Sync();
  EXPECT_FALSE(View().MenuAction("mnuMRU_TEST")->isEnabled());
  EXPECT_TRUE(file.Remove(recent));
  S().Sync();
  EXPECT_EQ(View().MenuAction("mnuMRU_TEST"), nullptr);
  EXPECT_NE(View().MenuAction("mnuEXIT"), nullptr);  // the rest of the bar is still there
}

TEST_F(QtFrontEnd, MenusOpenFromTheKeyboardAndGiveTheKeyboardBack) {
  QMenu* option = View().MenuAction("mnuOPTION")->menu();
  QMenu* help = View().MenuAction("mnuHELP")->menu();
  ASSERT_NE(option, nullptr);
  ASSERT_NE(help, nullptr);
  Press(Qt::Key_Alt);
  Tap(Qt::Key_O);
  Release(Qt::Key_Alt);
  EXPECT_TRUE(option->isVisible());
  EXPECT_EQ(W().MenuOpened(), &W().Menu("mnuOPTION"));
  // Its opening ran the window's own steps: the find item waits for some text.
  EXPECT_FALSE(View().MenuAction("mnuFIND")->isEnabled());
  QTest::keyClick(option, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_FALSE(option->isVisible());
  EXPECT_EQ(View().focusWidget(), &View().Text());
  Press(Qt::Key_Alt);
  Tap(Qt::Key_H);
  Release(Qt::Key_Alt);
  EXPECT_TRUE(help->isVisible());
  QTest::keyClick(help, Qt::Key_Escape);
  QApplication::processEvents();
  // F10 and Alt alone go to the first menu (the file menu, with no items yet).
  Tap(Qt::Key_F10);
  EXPECT_EQ(W().MenuOpened(), &W().Menu("mnuFILE"));
  Tap(Qt::Key_O);  // a plain key afterwards is the document's again
  Tap(Qt::Key_Alt);
  EXPECT_EQ(W().MenuOpened(), &W().Menu("mnuFILE"));
  QApplication::processEvents();
  EXPECT_EQ(View().focusWidget(), &View().Text());
}

// The real Alt braille mode lets through opens the menus; Esc closes the menu
// and braille input comes back.
TEST_F(QtFrontEnd, InBrailleModeAltAndALetterOpenTheirMenu) {
  Tap(Qt::Key_F1);
  ASSERT_TRUE(S().program.state.BrailleMode);
  Press(Qt::Key_Alt);
  Tap(Qt::Key_O);
  Release(Qt::Key_Alt);
  QMenu* option = View().MenuAction("mnuOPTION")->menu();
  EXPECT_TRUE(option->isVisible());
  EXPECT_EQ(W().MenuOpened(), &W().Menu("mnuOPTION"));
  EXPECT_FALSE(S().program.state.BrailleMode);
  QTest::keyClick(option, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_FALSE(option->isVisible());
  EXPECT_TRUE(S().program.state.BrailleMode);
  EXPECT_EQ(View().focusWidget(), &View().Text());
}

TEST_F(QtFrontEnd, OpeningAMenuAndChoosingAnItemKeepsBrailleMode) {
  Tap(Qt::Key_F1);
  ASSERT_TRUE(BrailleMode());
  QMenu* option = View().MenuAction("mnuOPTION")->menu();
  ASSERT_NE(option, nullptr);
  emit option->aboutToShow();
  EXPECT_FALSE(BrailleMode());  // suspended while the menu is open
  EXPECT_TRUE(S().program.flags.MenuBrailleMode);
  EXPECT_TRUE(View().MenuAction("mnuDATE")->isEnabled());
  View().MenuAction("mnuDATE")->trigger();

  QCoreApplication::processEvents();
  Drain();
  EXPECT_TRUE(BrailleMode());  // and resumed after the command
}

TEST_F(QtFrontEnd, OptionMenuStatesFollowTheText) {
  emit View().MenuAction("mnuOPTION")->menu()->aboutToShow();
  EXPECT_FALSE(View().MenuAction("mnuFIND")->isEnabled());
  Tap(Qt::Key_A);  // outside braille mode a key types itself
  ASSERT_FALSE(Text().empty());
  emit View().MenuAction("mnuOPTION")->menu()->aboutToShow();
  EXPECT_TRUE(View().MenuAction("mnuFIND")->isEnabled());
}

TEST_F(QtFrontEnd, WrappingShowsTheOtherBoxWithTheSameText) {
  for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_C}) Tap(key);
  emit View().MenuAction("mnuOPTION")->menu()->aboutToShow();
  View().MenuAction("mnuWORD_TURN")->trigger();
  Drain();
  ASSERT_TRUE(W().WordWrap());
  EXPECT_EQ(View().Pane().Box(), &W().ActiveTextBox());
  EXPECT_EQ(View().Text().lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(View().Text().toPlainText(), QStringLiteral("abc"));
  EXPECT_EQ(View().Text().textCursor().position(), W().ActiveTextBox().SelStart());
  Tap(Qt::Key_End);
  Tap(Qt::Key_D);  // typing goes on in the box now shown
  EXPECT_EQ(View().Text().toPlainText(), QStringLiteral("abcd"));
  EXPECT_EQ(View().Text().textCursor().position(), 4);
  EXPECT_EQ(Text(), u"abcd");
}

TEST_F(QtFrontEnd, ButtonClicksReachTheWindow) {
  QTest::mouseClick(View().Button("cmdTYPE"), Qt::LeftButton);
  EXPECT_TRUE(BrailleMode());
  QTest::mouseClick(View().Button("cmdTYPE"), Qt::LeftButton);
  EXPECT_FALSE(BrailleMode());
}

TEST_F(QtFrontEnd, CellAndModeDisplaysFollowTheirModelsAndAreAnnounced) {
  std::vector<QObject*> renamed;
  const qt::ReaderListener before = qt::SetReaderListener([&](QAccessibleEvent& event) {
    if (event.type() == QAccessible::NameChanged) renamed.push_back(event.object());
  });
  Tap(Qt::Key_F1);
  renamed.clear();
  Chord({Qt::Key_F});  // あ: the cell display shows the cell
  EXPECT_NE(std::find(renamed.begin(), renamed.end(), View().Label("lblTENJI")), renamed.end());
  // The status line changes too, but only the two displays speak.
  EXPECT_EQ(std::find(renamed.begin(), renamed.end(), View().Label("lblKETA")), renamed.end());
  const QString mode = View().Label("lblMODE")->text();
  Chord({Qt::Key_S, Qt::Key_J, Qt::Key_K, Qt::Key_L});  // dots 3 4 5 6: digits follow
  ASSERT_NE(View().Label("lblMODE")->text(), mode);
  EXPECT_NE(std::find(renamed.begin(), renamed.end(), View().Label("lblMODE")), renamed.end());
  qt::SetReaderListener(before);
  Press(Qt::Key_F);  // a chord under way shows nothing yet
  Release(Qt::Key_F);
  EXPECT_EQ(View().Label("lblMODE")->accessibleName(),
            qt::ToQ(braille::SpokenMode(qt::FromQ(View().Label("lblMODE")->text()))));
  // The cells show as Braille ASCII; readers get their dots.
  EXPECT_EQ(View().Label("lblTENJI")->accessibleName(),
            qt::ToQ(braille::SpokenCells(qt::FromQ(View().Label("lblTENJI")->text()))));
  EXPECT_EQ(View().Label("lblMODE")->text(), qt::ToQ(W().lblMODE.Caption()));
  EXPECT_EQ(View().Label("lblTENJI")->text(), qt::ToQ(W().lblTENJI.Caption()));
}

TEST_F(QtFrontEnd, TooSmallAWindowSnapsBackToTheMinimum) {
  View().resize(300, 150);
  Drain();
  const int tx = S().program.values.TwipsPerPixelX;
  const int ty = S().program.values.TwipsPerPixelY;
  EXPECT_GE(W().OuterTwips().width / tx, kMinOuterWidthPx);
  EXPECT_GE(W().OuterTwips().height / ty, kMinOuterHeightPx);
  EXPECT_EQ(View().frameGeometry().width(), W().OuterTwips().width / tx);
  EXPECT_EQ(View().Text().geometry().width(), W().TextRect().width);
}

TEST_F(QtFrontEnd, AClickWhileComposingLosesNothing) {
  for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_C}) Tap(key);
  Tap(Qt::Key_F1);
  Chord({Qt::Key_F});
  auto* box = dynamic_cast<emu::TextBox*>(&W().ActiveTextBox());
  ASSERT_TRUE(box->Ime().Composing());
  qt::DocumentEdit& text = View().Text();
  QTextCursor at(text.document());
  at.setPosition(1);
  QTest::mousePress(text.viewport(), Qt::LeftButton, Qt::NoModifier, text.cursorRect(at).center());
  QTest::mouseMove(text.viewport(), text.cursorRect(at).center() + QPoint(40, 0));
  QTest::mouseRelease(text.viewport(), Qt::LeftButton, Qt::NoModifier, text.cursorRect(at).center() + QPoint(40, 0));
  Drain();
  S().Sync();
  // The widget shows the program's text and whatever composition it still has.
  EXPECT_EQ(text.toPlainText(), qt::ToQ(Text()));
  EXPECT_EQ(PreeditShown(), qt::ToQ(box->Ime().CompositionString()));
  // Confirmed, it takes the place of what the drag selected.
  Tap(Qt::Key_N);
  EXPECT_EQ(Text(), u"aあ");
  EXPECT_EQ(text.toPlainText(), qt::ToQ(Text()));
}

TEST_F(QtFrontEnd, TheDocumentTakesTheFocusBackAfterBeingHidden) {
  View().activateWindow();
  QApplication::setActiveWindow(&View());
  Drain();
  W().ActiveTextBox().SetVisible(false);
  S().Sync();
  EXPECT_FALSE(View().Text().isVisible());
  W().ActiveTextBox().SetVisible(true);
  S().Sync();
  EXPECT_TRUE(View().Text().isVisible());
  EXPECT_EQ(QApplication::focusWidget(), &View().Text());
}

TEST(QtSecondStart, IsRefusedAndLeavesTheFirstRunning) {
  App();
  test_support::TempFolder folder;
  qt::QtSessionOptions options;
  options.folder = folder.Path();
  options.kanji_conversion = false;
  options.interactive = false;
  qt::QtSession first(options);
  ASSERT_TRUE(first.Start());
  qt::QtSession second(options);
  EXPECT_FALSE(second.Start());
  EXPECT_EQ(second.host.Messages().size(), 1u);
  EXPECT_TRUE(first.program.Running());
}

}  // namespace
}  // namespace orvo::testing
