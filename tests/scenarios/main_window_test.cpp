// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life: layout on every resize, the size presets, the
// menus around braille mode, word wrap, the events that end braille mode,
// and closing.
#include "app/main_window_layout.h"
#include "platform/emulated/edit/edit_control_model.h"
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

const ustring kExitQuestion = u"．．．終了 します。\u3000\u3000\u3000\u3000";

struct SnapCase {
  Size outer;
  Size expected;
};

TEST(MainWindowLayout, SnapsToTheMinimumAndTheScreen) {
  const Size screen{1024, 768};
  const SnapCase cases[] = {
      {{500, 300}, {560, 300}}, {{600, 200}, {600, 240}}, {{400, 100}, {560, 240}},
      {{2000, 500}, {1024, 500}}, {{700, 900}, {700, 768}},
  };
  for (const SnapCase& c : cases) {
    const auto snapped = SnapOuterSize(c.outer, screen);
    ASSERT_TRUE(snapped.has_value());
    EXPECT_EQ(*snapped, c.expected);
  }
  EXPECT_FALSE(SnapOuterSize({560, 240}, screen).has_value());
  // A screen smaller than the least size (800 x 600 at twice the scale): the screen wins.
  const Size small{400, 300};
  EXPECT_FALSE(SnapOuterSize({400, 300}, small).has_value());
  EXPECT_EQ(SnapOuterSize({300, 200}, small), (Size{400, 240}));
  EXPECT_EQ(SnapOuterSize({900, 700}, small), (Size{400, 300}));
}

TEST(MainWindowLayout, PlacesTheWrapIndicatorHalfwayToTheCorner) {
  const MainLayout normal = LayOut(WindowState::kNormal, {800, 500}, true, 340, {0, 0, 16, 16});
  EXPECT_EQ(normal.text, (Rect{0, 32, 800, 444}));
  EXPECT_EQ(normal.status_top, 482);
  EXPECT_EQ(normal.corner.left, 752);
  EXPECT_EQ(normal.corner.top, 478);
  EXPECT_TRUE(normal.turn_visible);
  EXPECT_EQ(normal.turn_left, 385 + (752 - 385 - 121) / 2);
  EXPECT_EQ(normal.tool_width, 800 - 340 - 4);
  const MainLayout maximised = LayOut(WindowState::kMaximized, {800, 500}, true, 340, {0, 0, 16, 16});
  EXPECT_FALSE(maximised.corner_visible);
  EXPECT_EQ(maximised.turn_left, 385 + (800 - 385 - 121) / 2);
  EXPECT_FALSE(LayOut(WindowState::kNormal, {800, 500}, false, 340, {}).turn_visible);
}

TEST_F(Scenario, ResizeBelowTheMinimumSnapsBack) {
  S().ResizeOuter(300, 100);
  EXPECT_EQ(W().OuterTwips().width, 560 * 15);
  EXPECT_EQ(W().OuterTwips().height, 240 * 15);
  S().ResizeOuter(5000, 300);
  EXPECT_EQ(W().OuterTwips().width, 1024 * 15);
}

TEST_F(Scenario, SizePresetsOfferOnlyWhatMakesSense) {
  S().program.work_area = {0, 0, 1024 * 15, 738 * 15};
  S().Menu("mnuV_AREA");
  EXPECT_EQ(W().OuterTwips().height, 738 * 15);
  EXPECT_EQ(W().OuterTwips().top, 0);
  S().program.Main().OpenMenu("mnuOPTION");
  EXPECT_FALSE(W().Menu("mnuV_AREA").Enabled());
  EXPECT_FALSE(W().Menu("mnuH_AREA").Enabled());
  EXPECT_TRUE(W().Menu("mnuRE_AREA").Enabled());
  S().Menu("mnuRE_AREA");
  EXPECT_EQ(W().OuterTwips().height, 420 * 15);
  S().program.Main().OpenMenu("mnuOPTION");
  EXPECT_TRUE(W().Menu("mnuV_AREA").Enabled());
  EXPECT_FALSE(W().Menu("mnuRE_AREA").Enabled());
  S().SetState(WindowState::kMaximized);
  S().program.Main().OpenMenu("mnuOPTION");
  EXPECT_FALSE(W().Menu("mnuTXT_AREA").Enabled());
}

TEST_F(Scenario, MenusLeaveBrailleModeAndCommandsReturnToIt) {
  BrailleOn();
  W().OpenMenu("mnuOPTION");
  EXPECT_FALSE(State().BrailleMode);
  EXPECT_FALSE(AnyModifierDown());
  W().ChooseMenu("mnuV_AREA");
  EXPECT_TRUE(State().BrailleMode);
  EXPECT_TRUE(State().LatchHeld);
}

TEST_F(Scenario, WordWrapMovesTheTextAndKeepsItsState) {
  BrailleOn();
  Cells(u"*<");
  Confirm();
  S().Tap(vk::kF1);
  ASSERT_TRUE(W().ActiveTextBox().Modified());
  const int ime = W().ActiveTextBox().ImeMode();
  S().Menu("mnuWORD_TURN");
  EXPECT_TRUE(W().WordWrap());
  EXPECT_EQ(W().ActiveIndex(), 1);
  EXPECT_EQ(Text(), u"かき");
  EXPECT_TRUE(W().txtJOV(0).Text().empty());
  EXPECT_TRUE(W().ActiveTextBox().Modified());
  EXPECT_EQ(W().ActiveTextBox().ImeMode(), ime);
  EXPECT_EQ(W().ActiveTextBox().SelStart(), 0);
  EXPECT_TRUE(W().lblTURN.Visible());
  // It stands on the status line at once, not where it was made (over the toolbar) until the next resize.
  EXPECT_EQ(W().lblTURN.Bounds().top, W().picSTATUS.Bounds().top);
  EXPECT_EQ(W().lblTURN.Bounds().left,
            LayOut(W().State(), W().InnerPx(), true, W().cmdTOOL.Bounds().left, W().picCONER.Bounds()).turn_left);
  EXPECT_TRUE(W().Menu("mnuWORD_TURN").Checked());
  EXPECT_TRUE(S().program.ime.Alive());
  EXPECT_TRUE(W().Enabled());
  EXPECT_EQ(S().shell.pointer, mouse_pointer::kDefault);
  S().Menu("mnuWORD_TURN");
  EXPECT_FALSE(W().WordWrap());
  EXPECT_EQ(Text(), u"かき");
  EXPECT_FALSE(W().lblTURN.Visible());
}

TEST_F(Scenario, ResetAppearanceWithNothingChangedSaysSo) {
  S().Menu("mnuFONT_RESET");  // disabled: nothing happens
  EXPECT_TRUE(Messages().empty());
  W().Menu("mnuFONT_RESET").SetEnabled(true);
  S().Menu("mnuFONT_RESET");
  EXPECT_EQ(Messages().back(), u"現在の設定は保存値と同じです！\u3000\u3000\u3000\u3000");
  EXPECT_TRUE(W().Menu("mnuFONT_RESET").Enabled());
  S().program.CurrentSettings.FontSize = 20;
  S().Menu("mnuFONT_RESET");
  EXPECT_EQ(W().ActiveTextBox().Font().points, 14);
  EXPECT_FALSE(W().Menu("mnuFONT_RESET").Enabled());
}

TEST_F(Scenario, LosingActivationEndsBrailleModeAndWarnsLater) {
  BrailleOn();
  S().Activation(false);
  EXPECT_FALSE(State().BrailleMode);
  EXPECT_FALSE(AnyModifierDown());
  EXPECT_EQ(State().PendingWarning, 1);
  EXPECT_TRUE(Messages().empty());
  S().Wait(400);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].substr(0, 15), u"***** 警告！ *****");
}

// Out of braille mode there is nothing to warn about: switching applications,
// and the warning box's own coming and going, stay quiet.
TEST_F(Scenario, ActivationChangesInRomajiModeWarnNothing) {
  BrailleOn();
  S().Activation(false);
  S().Wait(400);
  ASSERT_EQ(Messages().size(), 1u);  // the one warning for leaving braille mode
  for (bool active : {true, false, true}) S().Activation(active);
  S().Wait(2000);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(State().PendingWarning, 0);
  EXPECT_FALSE(W().Timer1.Enabled());
}

TEST_F(Scenario, MinimisedActivationChangeLeavesBrailleModeWithoutWarning) {
  BrailleOn();
  S().SetState(WindowState::kMinimized);
  EXPECT_FALSE(State().BrailleMode);
  S().Activation(false);
  EXPECT_EQ(State().PendingWarning, 0);
  EXPECT_FALSE(W().Timer1.Enabled());
}

// The document holds what a file may: 60,000 bytes as saved, a line end of a
// new (LF) text counting one.
TEST_F(Scenario, TheDocumentHoldsSixtyThousandBytesOnDisk) {
  for (int i = 0; i < 2; ++i) EXPECT_EQ(W().txtJOV(i).Limit(), 60000);
  EditControl& box = W().ActiveTextBox();
  box.ReplaceSel(std::u16string(29999, u'a') + u"\r\n" + std::u16string(29999, u'b'));
  EXPECT_EQ(box.Text().size(), 60000u);  // 59,999 bytes on disk
  box.ReplaceSel(u"\u3042");            // two bytes do not fit, one does
  EXPECT_EQ(box.Text().size(), 60000u);
  box.ReplaceSel(u"cd");
  EXPECT_EQ(box.Text().size(), 60001u);
  EXPECT_EQ(box.Text().back(), u'c');
  EXPECT_EQ(S().program.documents.DiskSize(box.Text()), 60000);
}

TEST_F(Scenario, TextLimitWarnsEvenOutsideBrailleMode) {
  W().ActiveTextBox().SetLimit(4);
  for (char key : std::string("ABCDEF")) S().Tap(static_cast<std::uint8_t>(key));
  EXPECT_EQ(State().PendingWarning, 4);
  S().Wait(400);
  EXPECT_EQ(Messages().back(), u"テキスト処理の 制限を越えました！\u3000\u3000\u3000\u3000");
}

TEST_F(Scenario, CloseAsksAndCancelKeepsTheProgramRunning) {
  Script("menu mnuEXIT\ntap Esc\n");
  EXPECT_EQ(Messages().back(), kExitQuestion);
  EXPECT_FALSE(W().Closed());
  Script("menu mnuEXIT\ntap Enter\n");
  EXPECT_TRUE(S().host.Ended());
}

TEST_F(Scenario, ClosingInBrailleModeReleasesTheLatch) {
  BrailleOn();
  W().Close();  // the window's close button; the question finds no answer and goes on
  EXPECT_TRUE(S().host.Ended());
  EXPECT_FALSE(State().BrailleMode);
  EXPECT_FALSE(AnyModifierDown());
}

}  // namespace
}  // namespace orvo::testing

namespace orvo::testing {
namespace {

TEST_F(Scenario, EscAtTheWindowItselfEndsBrailleModeThenConfirmsAndWarns) {
  BrailleOn();
  W().FocusControl(nullptr);  // the window, not its text box, has the keyboard
  S().Tap(vk::kEscape);
  EXPECT_FALSE(State().BrailleMode);
  EXPECT_EQ(State().PendingWarning, 2);
  S().program.FocusTextBox();
  S().desktop.ClearSyntheticLog();
  S().Wait(400);
  ASSERT_FALSE(S().desktop.SyntheticLog().empty());
  EXPECT_EQ(S().desktop.SyntheticLog().front().vk, vk::kReturn);  // Enter first, then the warning
  EXPECT_EQ(Messages().back().substr(0, 15), u"***** 警告！ *****");
  EXPECT_FALSE(AnyModifierDown());
}

TEST_F(Scenario, TextBoxOutOfMemoryEndsBrailleModeAndWarns) {
  BrailleOn();
  Cells(u"*");
  dynamic_cast<emu::EditControlModel&>(W().ActiveTextBox()).FailNextGrowth();
  Confirm();
  EXPECT_FALSE(State().BrailleMode);
  EXPECT_EQ(State().PendingWarning, 3);
  S().Wait(400);
  EXPECT_EQ(Messages().back(), u"テキスト処理の メモリー不足です！\u3000\u3000\u3000\u3000");
  EXPECT_FALSE(AnyModifierDown());
}

}  // namespace
}  // namespace orvo::testing

namespace orvo::testing {
namespace {

TEST_F(Scenario, LoadAndFirstActivationLeaveANewDocumentReady) {
  EXPECT_EQ(W().Caption(), u" Ｏ ｒｖｏ ４ － 新規.txt");
  EXPECT_TRUE(State().ImeOpen);
  EXPECT_TRUE(W().txtIN.Text().empty() && W().txtKAN.Text().empty());
  EXPECT_EQ(W().ActiveIndex(), 0);
  EXPECT_TRUE(S().program.ime.Alive());
  EXPECT_TRUE(S().program.hook.Installed());
  EXPECT_TRUE(S().program.flags.MainHasFocus);
  EXPECT_EQ(S().desktop.FocusedEdit(), &W().ActiveTextBox());
  EXPECT_FALSE(W().Menu("mnuFONT_RESET").Enabled());
  EXPECT_FALSE(W().Menu("mnuT_HELPER").Visible());
  EXPECT_EQ(W().lblKETA.Caption(), u"0．0");
  EXPECT_EQ(W().lblFileSIZE.Caption(), u"0");
  // 580 × 420 pixels, centred on the screen.
  EXPECT_EQ(W().OuterTwips(), (Rect{(1024 - 580) / 2 * 15, (768 - 420) / 2 * 15, 580 * 15, 420 * 15}));
}

// The toolbar's blank parts and the status line give the keyboard back to the
// text; the filler button also goes out of the way in braille mode.
TEST_F(Scenario, ClicksOnBlankPartsFocusTheText) {
  struct Case {
    const char* target;
    bool braille;
    bool tool_visible_after;
  };
  const Case cases[] = {
      {"picSTATUS", false, true}, {"lblSTYLE2", false, true}, {"picCONER", true, true},
      {"cmdCOVER", false, true},  {"cmdTOOL", false, true},   {"cmdTOOL", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    if (c.braille != State().BrailleMode) S().Tap(vk::kF1);
    W().cmdTOOL.SetVisible(true);
    W().FocusControl(nullptr);
    ASSERT_EQ(S().desktop.FocusedEdit(), nullptr);
    S().Click(c.target);
    EXPECT_EQ(S().desktop.FocusedEdit(), &W().ActiveTextBox());
    EXPECT_EQ(W().cmdTOOL.Visible(), c.tool_visible_after);
  }
}

}  // namespace
}  // namespace orvo::testing
