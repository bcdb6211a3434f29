// SPDX-License-Identifier: GPL-3.0-or-later
// Input modes over fakes of the main window: braille mode on and off, the
// mode cells, the mode display and the text box's IME mode.
#include "braille/input_modes.h"

#include <gtest/gtest.h>

#include <vector>

#include "braille/braille_texts.h"
#include "braille/fakes/braille_rig.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

using test_support::BrailleRig;
using test_support::ShownMessage;

// --- Braille mode on and off ---

TEST(InputModesSwitch, EnteringShowsBrailleModeEverywhere) {
  BrailleRig rig;
  rig.modes.CMD_TYPE(TypeSwitch::kTypeButton);
  EXPECT_TRUE(rig.state.BrailleMode);
  EXPECT_EQ(rig.state.InputMode, input_mode::kKana);
  EXPECT_TRUE(rig.state.LatchHeld);
  EXPECT_TRUE(rig.desktop.IsDown(vk::kControl));
  EXPECT_EQ(rig.display.mode, u"ひらがな");
  EXPECT_EQ(rig.display.mode_tip, text::kModeTip);
  EXPECT_EQ(rig.display.cells_tip, text::kCellsTip);
  EXPECT_TRUE(rig.menus.braille_menus);
  EXPECT_EQ(rig.menus.method_picture, picture_id::kBrailleMethod);
  EXPECT_EQ(rig.menus.ime_picture, picture_id::kImeBraille);
  EXPECT_FALSE(rig.menus.cover_visible);
  EXPECT_EQ(rig.box.ImeMode(), ime_mode::kHiragana);
  EXPECT_TRUE(rig.host.focused);
}

TEST(InputModesSwitch, LeavingPutsRomajiModeBack) {
  BrailleRig rig;
  rig.modes.CMD_TYPE(TypeSwitch::kTypeButton);
  rig.menus.tool_visible = false;
  rig.side.helper_open = true;
  rig.modes.CMD_TYPE(TypeSwitch::kTypeButton);
  EXPECT_FALSE(rig.state.BrailleMode);
  EXPECT_EQ(rig.state.InputMode, input_mode::kOff);
  EXPECT_FALSE(rig.state.LatchHeld);
  EXPECT_FALSE(rig.desktop.IsDown(vk::kControl));
  EXPECT_FALSE(rig.desktop.IsDown(vk::kMenu));
  EXPECT_EQ(rig.display.mode_tip, u"");
  EXPECT_EQ(rig.display.cells_tip, u"");
  EXPECT_FALSE(rig.menus.braille_menus);
  EXPECT_EQ(rig.menus.method_picture, picture_id::kRomajiMethod);
  EXPECT_EQ(rig.menus.ime_picture, picture_id::kImeOn);
  EXPECT_TRUE(rig.menus.cover_visible);
  EXPECT_TRUE(rig.menus.tool_visible);
  EXPECT_EQ(rig.side.calls, std::vector<std::string>{"UnloadHelper"});
}

TEST(InputModesSwitch, OnlyTheHookLeavesTheFocusWhereItIs) {
  const struct {
    TypeSwitch by;
    bool focused;
  } cases[] = {
      {TypeSwitch::kHook, false},
      {TypeSwitch::kTypeButton, true},
      {TypeSwitch::kMenuReturn, true},
      {TypeSwitch::kMinimised, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.by));
    BrailleRig rig;
    rig.EnterBraille();
    rig.host.focused = false;
    rig.modes.CMD_TYPE(c.by);
    EXPECT_FALSE(rig.state.BrailleMode);
    EXPECT_EQ(rig.host.focused, c.focused);
  }
}

TEST(InputModesSwitch, ALockedKanaKeyRefusesBrailleMode) {
  BrailleRig rig;
  rig.desktop.Keys().SetToggled(vk::kKana, true);
  rig.modes.CMD_TYPE(TypeSwitch::kF1);
  EXPECT_FALSE(rig.state.BrailleMode);
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kKanaLocked, 48}}));
}

TEST(InputModesSwitch, EnteringClosesTheFindDialog) {
  BrailleRig rig;
  rig.side.find_open = true;
  rig.modes.CMD_TYPE(TypeSwitch::kF1);
  EXPECT_EQ(rig.side.calls, std::vector<std::string>{"UnloadFind"});
}

// --- The mode display and IME mode of each input mode ---

struct ModeCase {
  int mode;
  ustring caption;
  int ime_mode;
};

TEST(InputModesDisplay, EachModeShowsItsCaptionAndIMEMode) {
  const ModeCase cases[] = {
      {input_mode::kKana, u"ひらがな", ime_mode::kHiragana},
      {input_mode::kDigits, u"数字", ime_mode::kAlphaFull},
      {input_mode::kLower, u"英字\u3000小", ime_mode::kAlphaFull},
      {input_mode::kOneCapital, u"英字\u3000大", ime_mode::kAlphaFull},
      {input_mode::kCapitals, u"英字 大大", ime_mode::kAlphaFull},
  };
  BrailleRig rig;
  rig.EnterBraille();
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.mode);
    rig.state.InputMode = c.mode;
    rig.modes.SET_IME_MODE();
    EXPECT_EQ(rig.display.mode, c.caption);
    EXPECT_EQ(rig.box.ImeMode(), c.ime_mode);
  }
  EXPECT_TRUE(rig.host.messages.empty());
}

TEST(InputModesDisplay, OffChangesNothingAndAnUnknownModeIsReported) {
  BrailleRig rig;
  rig.display.mode = u"unchanged";
  rig.state.InputMode = input_mode::kOff;
  rig.modes.SET_IME_MODE();
  EXPECT_EQ(rig.display.mode, u"unchanged");
  EXPECT_TRUE(rig.host.messages.empty());
  rig.state.InputMode = 7;
  rig.modes.SET_IME_MODE();
  EXPECT_EQ(rig.display.mode, u"unchanged");
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kBadMode, 48}}));
}

// --- Mode cells typed as chords ---

struct ModeCellCase {
  const char* name;
  std::vector<std::vector<int>> chords;
  int mode_after;
  ustring caption_after;
  int ime_mode_after;
};

TEST(InputModesCells, ModeCellsSwitchTheModeAndItsDisplay) {
  const std::vector<int> number_sign = {'S', 'J', 'K', 'L'};  // dots 3-4-5-6
  const std::vector<int> letters = {'D', 'S', 'L'};           // dots 2-3-6
  const std::vector<int> capital = {'L'};                     // dot 6
  const std::vector<int> to_kana = {'S', 'K', 'L'};           // dots 3-5-6
  const ModeCellCase cases[] = {
      {"digits", {number_sign}, input_mode::kDigits, u"数字", ime_mode::kAlphaFull},
      {"letters", {letters}, input_mode::kLower, u"英字\u3000小", ime_mode::kAlphaFull},
      {"one capital",
       {letters, capital},
       input_mode::kOneCapital,
       u"英字\u3000大",
       ime_mode::kAlphaFull},
      {"capitals",
       {letters, capital, capital},
       input_mode::kCapitals,
       u"英字 大大",
       ime_mode::kAlphaFull},
      {"digits to kana",
       {number_sign, to_kana},
       input_mode::kKana,
       u"ひらがな",
       ime_mode::kHiragana},
      {"letters to kana", {letters, to_kana}, input_mode::kKana, u"ひらがな", ime_mode::kHiragana},
  };
  for (const ModeCellCase& c : cases) {
    SCOPED_TRACE(c.name);
    BrailleRig rig;
    rig.EnterBraille();
    rig.desktop.ClearSyntheticLog();
    for (const std::vector<int>& chord : c.chords) {
      for (int k : chord) rig.Press(k);
      for (int k : chord) rig.Release(k);
    }
    EXPECT_EQ(rig.state.InputMode, c.mode_after);
    EXPECT_EQ(rig.display.mode, c.caption_after);
    EXPECT_EQ(rig.box.ImeMode(), c.ime_mode_after);
    EXPECT_TRUE(rig.conversion.NoOutput()) << "a mode cell types nothing";
    EXPECT_FALSE(rig.Composing());
    EXPECT_TRUE(rig.host.messages.empty());
  }
}

TEST(InputModesCells, ClickingTheModeDisplayGoesBackToKana) {
  BrailleRig rig;
  rig.EnterBraille();
  rig.Chord({'D', 'S', 'L'});
  rig.Chord({'L'});
  rig.Chord({'L'});
  ASSERT_EQ(rig.state.InputMode, input_mode::kCapitals);
  ASSERT_EQ(rig.conversion.CapitalCount(), 2);
  rig.modes.ModeLabelClick();
  EXPECT_EQ(rig.state.InputMode, input_mode::kKana);
  EXPECT_EQ(rig.conversion.CapitalCount(), 0);
  EXPECT_EQ(rig.display.mode, u"ひらがな");
  EXPECT_EQ(rig.display.cells, u"");
  EXPECT_EQ(rig.box.ImeMode(), ime_mode::kHiragana);
}

TEST(InputModesCells, ClickingTheModeDisplayOutsideBrailleModeDoesNothing) {
  BrailleRig rig;
  rig.display.mode = u"unchanged";
  rig.modes.ModeLabelClick();
  EXPECT_EQ(rig.display.mode, u"unchanged");
  EXPECT_EQ(rig.state.InputMode, input_mode::kOff);
}

}  // namespace
}  // namespace orvo::braille
