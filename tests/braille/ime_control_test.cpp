// SPDX-License-Identifier: GPL-3.0-or-later
// IME control over fakes of the main window: binding to the text box, the
// mirror boxes, the IME switch and re-typing a reading.
#include "braille/ime_control.h"

#include <gtest/gtest.h>

#include <vector>

#include "braille/braille_texts.h"
#include "braille/fakes/braille_rig.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

using test_support::BrailleRig;
using test_support::ShownMessage;

// --- Binding ---

TEST(ImeControlBinding, BindsToTheTextBoxOnce) {
  BrailleRig rig;
  EXPECT_TRUE(rig.ime.Alive());
  rig.ime.Create();
  EXPECT_TRUE(rig.ime.Alive());
  EXPECT_TRUE(rig.host.messages.empty());
  rig.ime.Release();
  EXPECT_FALSE(rig.ime.Alive());
  EXPECT_FALSE(rig.ime.OpenStatus()) << "no wrapper reads as closed";
}

TEST(ImeControlBinding, AKeyboardWithoutAnImeIsReported) {
  BrailleRig rig;
  rig.ime.Release();
  rig.ime_service.SetNoIme(true);
  rig.ime.Create();
  EXPECT_FALSE(rig.ime.Alive());
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kNoIme, 16}}));
}

// --- The mirror boxes ---

TEST(ImeControlMirror, FollowsTheCompositionAndTheResult) {
  BrailleRig rig;
  rig.EnterBraille();
  rig.Chord({'F', 'L'});  // か; the text box's key-up mirrors it
  EXPECT_EQ(rig.mirrors.Reading(), u"ｶ");
  EXPECT_EQ(rig.mirrors.MirrorText(MirrorBox::kComposed), u"か");
  EXPECT_EQ(rig.state.ConvStage, ConvStage::kReading);
  rig.Tap(vk::kReturn);
  EXPECT_EQ(rig.mirrors.Reading(), u"");
  EXPECT_EQ(rig.mirrors.MirrorText(MirrorBox::kComposed), u"");
  EXPECT_EQ(rig.mirrors.MirrorText(MirrorBox::kResultReading), u"ｶ");
  EXPECT_EQ(rig.mirrors.Result(), u"か");
  EXPECT_EQ(rig.state.ConvStage, ConvStage::kNothing);
}

TEST(ImeControlMirror, KeepsALaterStageWhileComposing) {
  BrailleRig rig;
  rig.EnterBraille();
  rig.Chord({'F', 'L'});
  for (ConvStage stage : {ConvStage::kConverting, ConvStage::kCandidates}) {
    rig.state.ConvStage = stage;
    rig.ime.Mirror();
    EXPECT_EQ(rig.state.ConvStage, stage);
  }
}

TEST(ImeControlMirror, WithoutAWrapperOnlyTheStageFollowsTheBoxes) {
  BrailleRig rig;
  rig.ime.Release();
  rig.mirrors.SetMirrorText(MirrorBox::kReading, u"ｶ");
  rig.ime.Mirror();
  EXPECT_EQ(rig.mirrors.Reading(), u"ｶ");
  EXPECT_EQ(rig.state.ConvStage, ConvStage::kReading);
}

// --- The IME switch ---

TEST(ImeControlSwitch, TogglesTheImeInRomajiMode) {
  BrailleRig rig;
  rig.box.SetImeMode(ime_mode::kHiragana);
  rig.ime.CMD_IME(ImeSwitch::kToggle);
  EXPECT_FALSE(rig.state.ImeOpen);
  EXPECT_EQ(rig.box.ImeMode(), ime_mode::kOff);
  EXPECT_EQ(rig.state.InputMode, input_mode::kOff);
  EXPECT_EQ(rig.menus.ime_picture, picture_id::kImeAtLoad);
  rig.ime.CMD_IME(ImeSwitch::kToggle);
  EXPECT_TRUE(rig.state.ImeOpen);
  EXPECT_TRUE(rig.ime.OpenStatus());
  EXPECT_EQ(rig.box.ImeMode(), ime_mode::kHiragana);
  EXPECT_EQ(rig.menus.ime_picture, picture_id::kImeOn);
  EXPECT_TRUE(rig.host.messages.empty());
}

TEST(ImeControlSwitch, BrailleModeRefusesToCloseTheIme) {
  BrailleRig rig;
  rig.EnterBraille();
  rig.ime.CMD_IME(ImeSwitch::kToggle);
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kImeMustBeOn, 48}}));
  EXPECT_TRUE(rig.state.ImeOpen);
  EXPECT_TRUE(rig.state.BrailleMode);
  EXPECT_EQ(rig.box.ImeMode(), ime_mode::kHiragana);
}

TEST(ImeControlSwitch, AnImeClosedBehindBrailleModeEndsIt) {
  BrailleRig rig;
  rig.EnterBraille();
  rig.box.SetImeMode(ime_mode::kOff);
  ASSERT_FALSE(rig.ime.OpenStatus());
  rig.ime.CMD_IME(ImeSwitch::kToggle);
  EXPECT_FALSE(rig.state.ImeOpen);
  EXPECT_FALSE(rig.state.BrailleMode);
  EXPECT_FALSE(rig.state.LatchHeld);
  EXPECT_TRUE(rig.host.messages.empty());
}

// A system whose IME could not be bound (none, or not in romaji mode) was
// told so at the start and still types: the keys that look at the IME's
// state afterwards (the context menu, the IME keys) leave braille mode alone.
TEST(ImeControlSwitch, WithNoImeBoundBrailleModeStaysThroughTheKeysThatLookAtIt) {
  BrailleRig rig;
  rig.ime.Release();
  rig.ime_service.SetNoIme(true);
  rig.ime.Create();
  ASSERT_FALSE(rig.ime.Alive());
  rig.host.messages.clear();
  rig.EnterBraille();
  ASSERT_TRUE(rig.state.BrailleMode);
  for (int key : {int{'Z'}, int{vk::kKanji}}) {
    rig.Tap(key);
    EXPECT_TRUE(rig.state.BrailleMode) << key;
    EXPECT_TRUE(rig.state.LatchHeld) << key;
  }
  EXPECT_TRUE(rig.host.messages.empty());
}

TEST(ImeControlSwitch, OnOpensEvenWhenOpenAlready) {
  BrailleRig rig;
  rig.box.SetImeMode(ime_mode::kAlphaFull);
  rig.state.InputMode = input_mode::kDigits;
  rig.ime.CMD_IME(ImeSwitch::kOn);
  EXPECT_EQ(rig.box.ImeMode(), ime_mode::kHiragana);
  EXPECT_EQ(rig.state.InputMode, input_mode::kKana);
  EXPECT_TRUE(rig.state.ImeOpen);
}

// --- Re-typing a reading ---

TEST(ImeControlRetype, ARetypedReadingComposesItsKana) {
  const struct {
    bool braille;
    ustring reading;
    ustring composition;
  } cases[] = {
      {true, u"ｶﾅ", u"かな"},
      {false, u"ｶﾅ", u"かな"},
      {true, u"ｶﾞｯｺｳ", u"がっこう"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.braille ? "braille" : "romaji");
    BrailleRig rig;
    if (c.braille) rig.EnterBraille();
    rig.ime.RETURN_IME_STR(c.reading);
    EXPECT_EQ(rig.box.Ime().CompositionString(), c.composition);
    // Only braille mode holds the latch again afterwards.
    EXPECT_EQ(rig.state.LatchHeld, c.braille);
    EXPECT_EQ(rig.desktop.IsDown(vk::kControl), c.braille);
    EXPECT_TRUE(rig.host.messages.empty());
  }
}

TEST(ImeControlRetype, AnEmptyReadingIsReported) {
  BrailleRig rig;
  rig.ime.RETURN_IME_STR(u"");
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kNoReading, 0}}));
  EXPECT_FALSE(rig.box.Ime().Composing());
}

}  // namespace
}  // namespace orvo::braille
