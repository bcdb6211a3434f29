// SPDX-License-Identifier: GPL-3.0-or-later
// The find dialog and the edit commands inside the running program: the
// Edit menu around braille mode, next-find with nothing to find, and the
// search state the dialog leaves behind.
#include "editing/find_window.h"

#include "app/program_windows.h"
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

editing::FindWindow* FindDialog(headless::Session& s) {
  return static_cast<ProgramWindows&>(*s.program.windows).Find();
}

TEST_F(Scenario, TheEditMenuLeavesBrailleModeAndItsItemsReturnToIt) {
  W().ActiveTextBox().ReplaceSel(u"a");
  BrailleOn();
  W().OpenMenu("mnuEDIT");
  EXPECT_FALSE(State().BrailleMode);  // left with CMD_TYPE 10, so 12 toggles it back on
  EXPECT_FALSE(AnyModifierDown());
  W().ChooseMenu("mnuALL");
  EXPECT_TRUE(State().BrailleMode);
  EXPECT_TRUE(State().LatchHeld);
}

TEST_F(Scenario, NextFindWithNothingToFindOpensTheDialog) {
  W().Menu("mnuNEXT_FIND").SetEnabled(true);
  W().ChooseMenu("mnuNEXT_FIND");
  editing::FindWindow* dialog = FindDialog(S());
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(S().program.flags.FindOpen);
  EXPECT_EQ(S().program.forms.ActiveForm(), dialog);
  EXPECT_TRUE(dialog->txtFIND.HasFocus());
  EXPECT_FALSE(dialog->cmdFIND.Enabled());
  EXPECT_FALSE(dialog->txtREPLACE.Enabled());
  EXPECT_EQ(S().program.messages.History().size(), 0u);
}

TEST_F(Scenario, ClosingTheDialogKeepsItsTextsAndTheCaseBox) {
  S().program.platform.clipboard.SetText(u"Abc abc");
  W().ActiveTextBox().ReplaceSel(u"Abc abc");
  W().ActiveTextBox().SetSel(4, 3);
  W().ChooseMenu("mnuREPLACE");
  editing::FindWindow* dialog = FindDialog(S());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->txtFIND.Text(), u"abc");
  EXPECT_TRUE(dialog->txtREPLACE.HasFocus());
  dialog->txtREPLACE.SetText(u"x");
  dialog->chkCASE.Click();
  S().Tap(vk::kF5);
  EXPECT_EQ(FindDialog(S()), nullptr);
  EXPECT_FALSE(S().program.flags.FindOpen);
  EXPECT_TRUE(S().program.flags.ReturnFromWindow || S().program.flags.MainHasFocus);
  const editing::SearchState& s = S().program.search;
  EXPECT_EQ(s.text, u"abc");
  EXPECT_EQ(s.replacement, u"x");
  EXPECT_EQ(s.match_case, 1);
  EXPECT_EQ(s.dialog_mode, editing::find_mode::kClosed);
  // Opened again, afresh, with the box ticked and the stored replacement.
  W().ActiveTextBox().SetSel(0, 0);
  W().ChooseMenu("mnuREPLACE");
  dialog = FindDialog(S());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->chkCASE.Value(), forms::check::kChecked);
  EXPECT_EQ(dialog->txtREPLACE.Text(), u"x");
  S().Tap(vk::kF4);  // with case: Abc is skipped, abc selected
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 4);
}

TEST_F(Scenario, AMegabyteOnTheClipboardPastesWhatFitsAndTheLimitIsTold) {
  W().ActiveTextBox().ReplaceSel(u"keep");
  S().program.platform.clipboard.SetText(ustring(1 << 20, u'x'));
  W().ClickMenu("mnuPAST");
  EXPECT_EQ(Text().size(), 60000u);
  EXPECT_EQ(Text().substr(0, 4), u"keep");
  S().Wait(500);  // the limit's message comes from the window's timer
  ASSERT_FALSE(S().program.messages.History().empty());
  EXPECT_EQ(S().program.messages.History().back().text,
            u"テキスト処理の 制限を越えました！\u3000\u3000\u3000\u3000");
}

TEST_F(Scenario, UpAndDownMoveTheDialogWithinTheWorkArea) {
  W().ActiveTextBox().ReplaceSel(u"a");
  W().ChooseMenu("mnuSERCH_FIND");
  editing::FindWindow* dialog = FindDialog(S());
  ASSERT_NE(dialog, nullptr);
  const int top = dialog->OuterTwips().top;
  S().Tap(vk::kDown);
  EXPECT_EQ(dialog->OuterTwips().top, top + editing::FindWindow::kMoveStep);
  for (int i = 0; i < 200; ++i) S().Tap(vk::kUp);
  EXPECT_EQ(dialog->OuterTwips().top, S().program.work_area.top);
  for (int i = 0; i < 200; ++i) S().Tap(vk::kDown);
  const Rect& r = dialog->OuterTwips();
  EXPECT_EQ(r.top + r.height, S().program.work_area.height);
}

}  // namespace
}  // namespace orvo::testing
