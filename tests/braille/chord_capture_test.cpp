// SPDX-License-Identifier: GPL-3.0-or-later
// Chord capture over fakes of the main window: dot keys make cells, the
// braille keymap's commands, function keys and the deferred warnings.
#include "braille/chord_capture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "braille/braille_texts.h"
#include "braille/fakes/braille_rig.h"
#include "braille/fakes/typed_letters.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

using test_support::BrailleRig;
using test_support::ShownMessage;
using test_support::TypedLetters;

class ChordCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rig.EnterBraille();
    rig.desktop.ClearSyntheticLog();
  }
  std::string Typed() const { return TypedLetters(rig.desktop.SyntheticLog()); }

  BrailleRig rig;
};

// --- Chords ---

struct ChordCase {
  std::vector<int> keys;
  ustring cell;         // what the cell display shows
  std::string romaji;   // what was typed for it
  ustring composition;  // what the IME composed of it
};

TEST_F(ChordCaptureTest, AChordShowsItsCellAndTypesItsRomaji) {
  const ChordCase cases[] = {
      {{'F'}, u"A", "A", u"あ"},      {{'F', 'D'}, u"B", "I", u"い"},
      {{'D', 'F'}, u"B", "I", u"い"},  // the order of the keys does not matter
      {{'F', 'J'}, u"C", "U", u"う"}, {{'F', 'L'}, u"*", "KA", u"か"},
  };
  for (const ChordCase& c : cases) {
    SCOPED_TRACE(c.romaji);
    rig.desktop.ClearSyntheticLog();
    for (int k : c.keys) rig.Press(k);
    EXPECT_EQ(rig.state.DotKeyCount, static_cast<int>(c.keys.size()));
    EXPECT_TRUE(rig.desktop.SyntheticLog().empty()) << "nothing is typed while the chord is held";
    for (int k : c.keys) rig.Release(k);
    EXPECT_EQ(rig.display.cells, c.cell);
    EXPECT_EQ(Typed(), c.romaji);
    EXPECT_EQ(rig.box.Ime().CompositionString(), c.composition);
    EXPECT_EQ(rig.state.ConvStage, ConvStage::kReading);
    EXPECT_EQ(rig.state.DotKeyCount, 0);
    rig.Tap(vk::kReturn);  // confirmed, so the next case composes on its own
  }
  EXPECT_EQ(rig.box.Text(), u"あいいうか");
  EXPECT_TRUE(rig.host.messages.empty());
}

TEST_F(ChordCaptureTest, AHeldDotKeyRepeatingCountsOnce) {
  rig.Press('F');
  rig.Press('F');
  rig.Press('D');
  EXPECT_EQ(rig.state.DotKeyCount, 2);
  rig.Release('F');
  rig.Release('D');
  EXPECT_EQ(Typed(), "I");
}

TEST_F(ChordCaptureTest, AReleaseWithoutItsPressLeavesLaterChordsWorking) {
  rig.Release('K');  // held down before braille mode began
  EXPECT_EQ(rig.state.DotKeyCount, 0);
  rig.Chord({'F', 'D'});
  EXPECT_EQ(Typed(), "I");
}

// --- Prefixes and Backspace ---

TEST_F(ChordCaptureTest, BackspaceRightAfterAPrefixCancelsIt) {
  rig.Chord({'K'});  // dot 5, the voicing prefix
  ASSERT_TRUE(rig.conversion.PrefixPending());
  ASSERT_TRUE(rig.conversion.NoOutput());
  EXPECT_EQ(rig.display.cells, u"\"");
  rig.Tap(vk::kBack);
  EXPECT_FALSE(rig.conversion.PrefixPending());
  EXPECT_FALSE(rig.conversion.NoOutput());
  EXPECT_EQ(rig.display.cells, u"");
  EXPECT_EQ(rig.state.InputMode, input_mode::kKana);
  EXPECT_FALSE(test_support::Sent(rig.desktop.SyntheticLog(), vk::kBack));
  // The next cell reads on its own, not voiced.
  rig.Chord({'F', 'L'});
  EXPECT_EQ(rig.box.Ime().CompositionString(), u"か");
}

TEST_F(ChordCaptureTest, BackspaceWithoutAPrefixTakesACharacterBack) {
  rig.Chord({'F'});
  rig.Chord({'F', 'D'});
  ASSERT_EQ(rig.box.Ime().CompositionString(), u"あい");
  rig.Tap('H');  // H stands for Backspace
  EXPECT_TRUE(test_support::Sent(rig.desktop.SyntheticLog(), vk::kBack));
  EXPECT_EQ(rig.box.Ime().CompositionString(), u"あ");
  EXPECT_EQ(rig.display.cells, u"");
  EXPECT_FALSE(rig.state.RepeatGuard);
}

// Cancelling a prefix sends nothing, so nothing came back to end the guard
// against a held H: the next Backspace, Enter or Delete was lost.
TEST_F(ChordCaptureTest, TheKeyAfterAPrefixCancelledByHWorks) {
  const struct {
    int key;
    int sent;
  } cases[] = {{'H', vk::kBack}, {'N', vk::kReturn}, {'G', vk::kDelete}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    rig.Chord({'K'});
    rig.Tap('H');
    ASSERT_FALSE(rig.conversion.PrefixPending());
    EXPECT_FALSE(rig.state.RepeatGuard);
    rig.desktop.ClearSyntheticLog();
    rig.Tap(c.key);
    EXPECT_TRUE(test_support::Sent(rig.desktop.SyntheticLog(), c.sent));
    EXPECT_FALSE(rig.state.RepeatGuard);
  }
}

TEST_F(ChordCaptureTest, DeleteRefusedWhileConvertingLeavesTheNextKeyWorking) {
  rig.Chord({'F', 'L'});
  rig.Tap(vk::kSpace);
  ASSERT_EQ(rig.state.ConvStage, ConvStage::kConverting);
  rig.desktop.ClearSyntheticLog();
  rig.Tap('G');
  EXPECT_FALSE(test_support::Sent(rig.desktop.SyntheticLog(), vk::kDelete));
  rig.Tap('N');
  EXPECT_TRUE(test_support::Sent(rig.desktop.SyntheticLog(), vk::kReturn));
  EXPECT_FALSE(rig.Composing());
}

// --- The conversion stage ---

TEST_F(ChordCaptureTest, SpaceConvertsAReadingAndTheNextChordConfirmsIt) {
  rig.Chord({'F', 'L'});
  ASSERT_EQ(rig.state.ConvStage, ConvStage::kReading);
  rig.Tap(vk::kSpace);
  EXPECT_EQ(rig.state.ConvStage, ConvStage::kConverting);
  EXPECT_EQ(rig.display.cells, u"");
  EXPECT_TRUE(rig.Composing());
  rig.Chord({'F'});
  EXPECT_EQ(rig.state.ConvStage, ConvStage::kReading);
  EXPECT_FALSE(rig.box.Text().empty()) << "the conversion was confirmed before the chord";
  EXPECT_EQ(rig.box.Ime().CompositionString(), u"あ");
}

TEST_F(ChordCaptureTest, SpaceWithNothingComposedStaysAtNothing) {
  rig.Tap(vk::kSpace);
  EXPECT_EQ(rig.state.ConvStage, ConvStage::kNothing);
  EXPECT_TRUE(test_support::Sent(rig.desktop.SyntheticLog(), vk::kSpace));
}

TEST_F(ChordCaptureTest, DownConfirmsAReading) {
  rig.Chord({'F', 'D'});
  rig.Tap('M');
  EXPECT_EQ(rig.state.ConvStage, ConvStage::kNothing);
  EXPECT_EQ(rig.box.Text(), u"い");
  EXPECT_EQ(rig.mirrors.Result(), u"い");
  EXPECT_GT(rig.text.status_updates, 0);
}

TEST_F(ChordCaptureTest, EnterEndsDigitModeAndConfirms) {
  rig.Chord({'S', 'J', 'K', 'L'});  // the number sign
  ASSERT_EQ(rig.state.InputMode, input_mode::kDigits);
  rig.Chord({'F'});  // 1
  rig.Tap('N');      // N stands for Enter
  EXPECT_EQ(rig.state.InputMode, input_mode::kKana);
  EXPECT_EQ(rig.state.ConvStage, ConvStage::kNothing);
  EXPECT_EQ(rig.display.mode, u"ひらがな");
}

// --- Keys that move and scroll ---

struct MoveCase {
  int key;
  std::vector<std::string> calls;
};

TEST_F(ChordCaptureTest, MovingKeysOutsideACompositionGoToTheTextBox) {
  const MoveCase cases[] = {
      {'C', {"ScrollLine 67"}},
      {'V', {"ScrollLine 86"}},
      {vk::kOemComma, {"ScrollSideways 188"}},
      {vk::kOemPeriod, {"ScrollSideways 190"}},
      {'A', {"LineEdge 65"}},
      {vk::kOemPlus, {"LineEdge 187"}},
      {'P', {"TextEnd"}},
      {'Q', {"TextStart"}},
      {'X', {}},  // not in the keymap: swallowed
      {'E', {}},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.key);
    rig.text.calls.clear();
    rig.desktop.ClearSyntheticLog();
    rig.Tap(c.key);
    EXPECT_EQ(rig.text.calls, c.calls);
    EXPECT_EQ(Typed(), "") << "no letter reaches the text";
  }
  EXPECT_TRUE(rig.box.Text().empty());
}

TEST_F(ChordCaptureTest, ModifiersAreRefusedWhileComposing) {
  const int keys[] = {vk::kShift, vk::kControl, vk::kMenu};
  const ustring* refusals[] = {&text::kRefuseShift, &text::kRefuseCtrl, &text::kRefuseAlt};
  rig.Chord({'F'});
  for (std::size_t i = 0; i < 3; ++i) {
    rig.host.messages.clear();
    rig.Tap(keys[i]);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0],
              (ShownMessage{text::kRefuseHead + u"\r\n\r\n" + *refusals[i], 48}));
    EXPECT_FALSE(rig.state.ShiftSelect || rig.state.CtrlPass || rig.state.AltPass);
  }
}

TEST_F(ChordCaptureTest, ShiftOutsideACompositionStartsSelecting) {
  rig.Press(vk::kShift);
  EXPECT_TRUE(rig.state.ShiftSelect);
  rig.Release(vk::kShift);
  EXPECT_FALSE(rig.state.ShiftSelect);
  EXPECT_TRUE(rig.host.messages.empty());
}

// --- Function keys ---

struct FunctionCase {
  int key;
  bool braille;
  bool find_open;
  std::vector<std::string> side_calls;
  int close_requests;
};

TEST(ChordCaptureFunctionKeys, OpenTheirWindowsOnlyWhereTheyBelong) {
  const FunctionCase cases[] = {
      {vk::kF4, true, false, {"ShowHelper"}, 0},   {vk::kF4, true, true, {}, 0},
      {vk::kF5, true, false, {"ShowDiagrams"}, 0}, {vk::kF5, false, false, {}, 0},
      {vk::kF2, false, true, {"ActivateFind"}, 0}, {vk::kF2, false, false, {}, 0},
      {vk::kEscape, false, false, {}, 1},          {vk::kEscape, true, false, {}, 0},
  };
  for (const FunctionCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key << (c.braille ? " braille" : " romaji"));
    BrailleRig rig;
    if (c.braille) rig.EnterBraille();
    rig.side.find_open = c.find_open;
    rig.side.calls.clear();
    rig.Tap(c.key);
    EXPECT_EQ(rig.side.calls, c.side_calls);
    EXPECT_EQ(rig.window.close_requests, c.close_requests);
    EXPECT_EQ(rig.state.BrailleMode, c.braille);
  }
}

TEST(ChordCaptureFunctionKeys, F1TogglesBrailleModeUnlessFindIsOpen) {
  BrailleRig rig;
  rig.Tap(vk::kF1);
  EXPECT_TRUE(rig.state.BrailleMode);
  rig.Tap(vk::kF1);
  EXPECT_FALSE(rig.state.BrailleMode);
  rig.side.find_open = true;
  rig.Tap(vk::kF1);
  EXPECT_FALSE(rig.state.BrailleMode);
}

// --- Deferred warnings ---

struct WarningCase {
  int pending;
  const ustring* message;
};

TEST(ChordCaptureTimer, ShowsThePendingWarningOnceAndStops) {
  const WarningCase cases[] = {
      {pending_warning::kLeftBraille, &text::kWarning},
      {pending_warning::kEscape, &text::kWarning},
      {pending_warning::kOutOfMemory, &text::kOutOfMemory},
      {pending_warning::kLimit, &text::kLimit},
  };
  for (const WarningCase& c : cases) {
    SCOPED_TRACE(c.pending);
    BrailleRig rig;
    rig.state.PendingWarning = c.pending;
    rig.timer.running = true;
    rig.chords.Timer1Tick();
    EXPECT_FALSE(rig.timer.running);
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0], (ShownMessage{*c.message, 48}));
    EXPECT_EQ(rig.state.PendingWarning, pending_warning::kNone);
    EXPECT_TRUE(rig.host.focused);
    rig.chords.Timer1Tick();
    EXPECT_EQ(rig.host.messages.size(), 1u) << "a warning is shown once";
  }
}

TEST(ChordCaptureTimer, EscapeWarningTypesEnterFirst) {
  BrailleRig rig;
  rig.state.PendingWarning = pending_warning::kEscape;
  rig.chords.Timer1Tick();
  EXPECT_TRUE(test_support::Sent(rig.desktop.SyntheticLog(), vk::kReturn));
}

}  // namespace
}  // namespace orvo::braille
