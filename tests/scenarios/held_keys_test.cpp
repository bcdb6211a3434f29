// What a held key does in braille mode: the keyboard repeats its key-down
// until it comes up, as Windows' auto-repeat does. The README says the same.
#include <algorithm>

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

}  // namespace
}  // namespace orvo::testing
