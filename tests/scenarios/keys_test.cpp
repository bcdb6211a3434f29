// SPDX-License-Identifier: GPL-3.0-or-later
// Chord capture and the keys of braille mode, through real key events.
#include "platform/emulated/text_box.h"
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

TEST_F(Scenario, AutoRepeatNeitherCountsNorCloses) {
  BrailleOn();
  S().Press('F');
  S().Press('F');
  S().Press('F');
  EXPECT_EQ(State().DotKeyCount, 1);
  S().Press('J');
  S().Release('F');
  EXPECT_TRUE(W().txtIN.Text().empty());
  S().Release('J');
  EXPECT_EQ(W().lblTENJI.Caption(), u"C");
  EXPECT_EQ(W().txtIN.Text(), u"ｳ");
}

TEST_F(Scenario, RomajiModeTypesThroughTheImeAndF1StillWorks) {
  for (char key : std::string("KANA")) S().Tap(static_cast<std::uint8_t>(key));
  S().Tap(vk::kReturn);
  EXPECT_FALSE(Text().empty());
  S().Tap(vk::kF1);
  EXPECT_TRUE(State().BrailleMode);
}

// The IME passes F1 on even while a reading composes, so braille mode always comes back.
TEST_F(Scenario, F1ComesBackWhileAReadingComposes) {
  Script("tap F1\nchord FL\ntap F1\n");
  EXPECT_FALSE(State().BrailleMode);
  EXPECT_EQ(dynamic_cast<emu::TextBox&>(W().ActiveTextBox()).Ime().CompositionString(), u"か");
  Script("tap F1\n");
  EXPECT_TRUE(State().BrailleMode);
  Script("chord FD\ntap N\n");
  EXPECT_TRUE(State().BrailleMode);
  EXPECT_EQ(Text(), u"かい");
}

TEST_F(Scenario, EscClosesTheWindowOnlyInRomajiMode) {
  BrailleOn();
  S().Tap(vk::kEscape);
  EXPECT_FALSE(W().Closed());
  S().Tap(vk::kF1);
  S().Tap(vk::kEscape);
  EXPECT_TRUE(W().Closed());
  EXPECT_TRUE(S().host.Ended());
  EXPECT_FALSE(AnyModifierDown());
}

TEST_F(Scenario, SpaceConvertsAndAChordConfirmsTheConversionFirst) {
  BrailleOn();
  Cells(u"*");
  S().Tap(vk::kSpace);
  EXPECT_EQ(State().ConvStage, 2);
  Cells(u"A");
  EXPECT_EQ(State().ConvStage, 1);
  EXPECT_EQ(Text().substr(0, 1), W().txtKAN.Text().substr(0, 1));  // the conversion went in
  EXPECT_EQ(W().txtIN.Text(), u"ｱ");
  EXPECT_FALSE(State().ConfirmBusy);
}

TEST_F(Scenario, ChordAfterDigitConversionReturnsToKana) {
  BrailleOn();
  Cells(u"#A");
  S().Tap(vk::kSpace);
  ASSERT_EQ(State().ConvStage, 2);
  Cells(u"A");  // the first dot confirms the conversion and leaves digits
  EXPECT_EQ(State().InputMode, 1);
  Confirm();
  EXPECT_EQ(Text().back(), u'あ');
}

TEST_F(Scenario, ModifiersAreRefusedWhileAReadingIsPending) {
  BrailleOn();
  Cells(u"*");
  // Each refusal waits for the user, who lets go of the key and answers with Enter.
  Script(
      "press Shift\nrelease Shift\ntap Enter\n"
      "press Ctrl\nrelease Ctrl\ntap Enter\n"
      "press Alt\nrelease Alt\ntap Enter\n");
  const auto m = Messages();
  ASSERT_EQ(m.size(), 3u);
  EXPECT_NE(m[0].find(u"【 SHIFT 】"), ustring::npos);
  EXPECT_NE(m[1].find(u"【 CTRL 】"), ustring::npos);
  EXPECT_NE(m[2].find(u"【 ALT 】"), ustring::npos);
  EXPECT_EQ(W().txtIN.Text(), u"ｶ");
  EXPECT_TRUE(State().LatchHeld);
  EXPECT_FALSE(State().CtrlPass || State().AltPass || State().ShiftSelect);
}

TEST_F(Scenario, CtrlPassesThroughWithNothingPending) {
  BrailleOn();
  Cells(u"*<");
  Confirm();
  S().Press(vk::kControl);
  EXPECT_TRUE(State().CtrlPass);
  EXPECT_FALSE(S().desktop.Keys().Down(vk::kMenu));
  S().Tap('Z');  // Ctrl+Z undoes the last typing
  S().Release(vk::kControl);
  EXPECT_FALSE(State().CtrlPass);
  EXPECT_TRUE(State().LatchHeld);
  EXPECT_TRUE(Text().empty());
}

TEST_F(Scenario, ShiftWithArrowsSelectsWithNothingPending) {
  BrailleOn();
  Cells(u"*<");
  Confirm();
  S().Press(vk::kShift);
  EXPECT_TRUE(State().ShiftSelect);
  S().Tap('U');  // remapped letters do not select
  EXPECT_TRUE(W().ActiveTextBox().SelText().empty());
  S().Tap(vk::kLeft);
  S().Release(vk::kShift);
  EXPECT_EQ(W().ActiveTextBox().SelText(), u"き");
  EXPECT_TRUE(State().LatchHeld);
  EXPECT_FALSE(State().ShiftSelect);
}

TEST_F(Scenario, KanaLockRefusesBrailleModeAndEndsIt) {
  BrailleOn();
  S().Tap(vk::kKana);  // the Kana lock goes on
  EXPECT_FALSE(State().BrailleMode);
  EXPECT_NE(Messages().back().find(u"【 かな 】キーが押されました。"), ustring::npos);
  S().Tap(vk::kF1);  // refused while locked
  EXPECT_FALSE(State().BrailleMode);
  EXPECT_EQ(Messages().back(), u"＜ 点字モード ＞では 【 かな 】 入力は できません！");
  EXPECT_FALSE(AnyModifierDown());
}

TEST_F(Scenario, ImeButtonInBrailleModeKeepsTheImeOnAndWarns) {
  BrailleOn();
  Cells(u"*");
  S().Click("cmdIME");
  EXPECT_TRUE(State().ImeOpen);
  EXPECT_TRUE(State().BrailleMode);
  EXPECT_NE(Messages().back().find(u"文字の点字入力ができません！"), ustring::npos);
  EXPECT_EQ(W().txtIN.Text(), u"ｶ");
}

TEST_F(Scenario, TimerShowsTheActivationWarningAfterBrailleModeEnded) {
  BrailleOn();
  S().program.modes.CMD_TYPE(0);
  State().PendingWarning = 1;
  W().Timer1.SetEnabled(true);
  S().Wait(399);
  EXPECT_TRUE(Messages().empty());
  S().Wait(1);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].substr(0, 15), u"***** 警告！ *****");
  EXPECT_EQ(State().PendingWarning, 0);
  EXPECT_FALSE(W().Timer1.Enabled());
  EXPECT_FALSE(AnyModifierDown());
}

}  // namespace
}  // namespace orvo::testing
