// SPDX-License-Identifier: GPL-3.0-or-later
// What a held key does in braille mode: the keyboard repeats its key-down
// until it comes up, as Windows' auto-repeat does. The README says the same.
#include <algorithm>

#include "platform/emulated/text_box.h"
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

constexpr int kDowns = 5;  // key-downs of one hold: the first and four repeats

class HeldKeys : public Scenario {
 protected:
  void Hold(std::uint8_t key) {
    for (int i = 0; i < kDowns; ++i) S().Press(key);
    S().Release(key);
  }
  // Seven あ confirmed, the caret at the end.
  void SevenA() {
    BrailleOn();
    Cells(u"AAAAAAA");
    Confirm();
    ASSERT_EQ(Text().size(), 7u);
  }
};

TEST_F(HeldKeys, ADotKeyTypesOneCell) {
  BrailleOn();
  Hold('F');
  EXPECT_EQ(W().txtIN.Text(), u"ｱ");
  S().Press('J');
  S().Press('F');  // held again inside a chord: still one dot
  S().Release('F');
  S().Release('J');
  Confirm();
  EXPECT_EQ(Text(), u"あう");
}

TEST_F(HeldKeys, BackspaceDeleteAndEnterKeysRepeat) {
  SevenA();
  Hold('H');
  EXPECT_EQ(Text(), u"ああ");
  S().Tap('Q');  // to the start of the text
  Hold('G');
  EXPECT_EQ(Text(), u"");
  Hold('N');
  EXPECT_EQ(std::count(Text().begin(), Text().end(), u'\n'), kDowns);
}

TEST_F(HeldKeys, CaretKeysRepeat) {
  SevenA();
  Hold('U');
  Hold('O');
  Hold('U');
  Cells(u"*");
  Confirm();
  EXPECT_EQ(Text(), u"ああかあああああ");
}


// The forms a held key takes on a desktop, as window systems deliver them.
class RepeatForms : public Scenario {
 protected:
  KeyEvent Event(std::uint8_t key, bool up, bool repeat) {
    KeyEvent event{key, 0, up, false};
    event.repeat = repeat;
    return event;
  }
  // X by default: each repeat a release and a press, both marked.
  void HoldAsPairs(std::uint8_t key, int repeats) {
    S().Press(key);
    for (int i = 0; i < repeats; ++i) {
      S().Post(Event(key, true, true));
      S().Post(Event(key, false, true));
    }
  }
  // Windows, and X asked for it: further key-downs, marked.
  void HoldAsPresses(std::uint8_t key, int repeats) {
    S().Press(key);
    for (int i = 0; i < repeats; ++i) S().Post(Event(key, false, true));
  }
};

TEST_F(RepeatForms, AHeldChordTypesOneCellInEveryForm) {
  BrailleOn();
  S().Press('F');
  HoldAsPairs('D', 12);  // F+D held 1.5 s: い and no っ
  S().Release('F');
  EXPECT_EQ(W().txtIN.Text(), u"");
  S().Release('D');
  EXPECT_EQ(W().txtIN.Text(), u"ｲ");
  HoldAsPresses('F', 9);  // F held 1.2 s: one あ
  S().Release('F');
  EXPECT_EQ(W().txtIN.Text(), u"ｲｱ");
  // S K L let go slowly, each repeating meanwhile: ん alone, no stray dot 6.
  S().Press('S');
  S().Press('K');
  HoldAsPairs('L', 3);
  S().Release('S');
  HoldAsPairs('K', 3);
  S().Release('K');
  HoldAsPairs('L', 3);
  S().Release('L');
  EXPECT_EQ(W().txtIN.Text(), u"ｲｱﾝ");
  EXPECT_EQ(W().lblTENJI.Caption(), u"0");  // ん (dots 3 5 6) alone
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RepeatForms, LateAndLostEventsTypeNothing) {
  BrailleOn();
  S().Tap('F');
  S().Post(Event('F', false, true));  // a repeat behind its release: no new press
  S().Post(Event('F', true, true));
  EXPECT_EQ(W().txtIN.Text(), u"ｱ");
  EXPECT_FALSE(S().desktop.KeyState('F') < 0);
  // A chord half held when the keyboard goes elsewhere: its key-ups close nothing.
  S().Press('F');
  S().Press('D');
  KeyEvent lost{'F', 0, true, false};
  lost.lost = true;
  S().Post(lost);
  lost.vk = 'D';
  S().Post(lost);
  EXPECT_EQ(W().txtIN.Text(), u"ｱ");
  EXPECT_EQ(State().DotKeyCount, 0);
  S().Chord("FD");
  EXPECT_EQ(W().txtIN.Text(), u"ｱｲ");
}

TEST_F(RepeatForms, AKeyHeldAcrossF1OrAResetStartsNoChord) {
  BrailleOn();
  Script("press F\ntap R\ntap Enter\n");  // reset, and its message answered: the half chord goes
  for (int i = 0; i < 4; ++i) S().Post(Event('F', false, true));
  S().Release('F');
  EXPECT_EQ(W().txtIN.Text(), u"");
  EXPECT_EQ(State().DotKeyCount, 0);
  // In romaji mode a held letter repeats as letters do.
  S().Tap(vk::kF1);
  HoldAsPresses('K', 2);
  S().Release('K');
  EXPECT_EQ(dynamic_cast<emu::TextBox&>(W().ActiveTextBox()).Ime().CompositionString(), u"っっｋ");
}

}  // namespace
}  // namespace orvo::testing
