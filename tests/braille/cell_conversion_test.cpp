// The cell conversion over fakes of the main window: what each cell types
// in each mode, prefixes, capital signs, brackets, and re-typing.
#include "braille/cell_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "braille/braille_texts.h"
#include "braille/fakes/braille_rig.h"
#include "braille/fakes/typed_letters.h"
#include "braille/tables/named_cells.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

using test_support::BrailleRig;
using test_support::ShownMessage;

class CellConversionTest : public ::testing::Test {
 protected:
  void SetUp() override { rig.EnterBraille(); }

  // Converts cells one by one, as closing their chords would.
  void Convert(const ustring& cells) {
    for (char16_t cell : cells) {
      rig.state.CellCode = static_cast<std::uint8_t>(cell);
      rig.conversion.Convert();
    }
  }
  std::string Typed() const { return test_support::TypedLetters(rig.desktop.SyntheticLog()); }
  ustring Composition() { return rig.box.Ime().CompositionString(); }

  BrailleRig rig;
};

// --- Cells on their own and in pairs ---

struct CellCase {
  const char* name;
  ustring cells;
  std::string typed;
  ustring composition;
};

TEST_F(CellConversionTest, CellsTypeTheirRomaji) {
  const CellCase cases[] = {
      {"a", u"A", "A", u"あ"},
      {"ka", u"*", "KA", u"か"},
      {"voiced ka", u"\"*", "GA", u"が"},
      {"semi-voiced he", u",&", "PE", u"ぺ"},
      {"digit one", u"#A", "1", u"１"},
      {"digits", u"#AB", "12", u"１２"},
  };
  for (const CellCase& c : cases) {
    SCOPED_TRACE(c.name);
    BrailleRig fresh;
    fresh.EnterBraille();
    for (char16_t cell : c.cells) {
      fresh.state.CellCode = static_cast<std::uint8_t>(cell);
      fresh.conversion.Convert();
    }
    EXPECT_EQ(test_support::TypedLetters(fresh.desktop.SyntheticLog()), c.typed);
    EXPECT_EQ(fresh.box.Ime().CompositionString(), c.composition);
    EXPECT_FALSE(fresh.conversion.PrefixPending());
    EXPECT_FALSE(fresh.conversion.NoOutput());
    EXPECT_TRUE(fresh.host.messages.empty());
  }
}

TEST_F(CellConversionTest, APrefixWaitsForTheNextCellAndBothShow) {
  rig.Chord({'K'});  // dot 5: voicing
  EXPECT_TRUE(rig.conversion.PrefixPending());
  EXPECT_EQ(rig.conversion.PendingCells(), u"\"");
  EXPECT_EQ(Typed(), "");
  rig.Chord({'F', 'L'});  // か
  EXPECT_EQ(rig.display.cells, u"\"*");
  EXPECT_EQ(Composition(), u"が");
  EXPECT_FALSE(rig.conversion.PrefixPending());
}

TEST_F(CellConversionTest, APairWithoutAnEntryIsReportedAndForgotten) {
  Convert(u"\"A");  // a voiced あ does not exist
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kNoEntry, 48}}));
  EXPECT_EQ(rig.display.cells, u"");
  EXPECT_FALSE(rig.conversion.PrefixPending());
  EXPECT_EQ(rig.state.CellCode, 0);
  EXPECT_FALSE(rig.Composing());
}

TEST_F(CellConversionTest, ACellWithoutAnEntryIsReported) {
  Convert(u"#");
  Convert(u"-");  // no digit
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kNoEntry, 48}}));
  EXPECT_EQ(rig.display.cells, u"");
}

// --- Capital signs ---

TEST_F(CellConversionTest, OneCapitalSignMakesTheNextLetterUpperCaseOnly) {
  Convert(u"8");  // letters
  ASSERT_EQ(rig.state.InputMode, input_mode::kLower);
  Convert(u",");
  EXPECT_EQ(rig.state.InputMode, input_mode::kOneCapital);
  EXPECT_EQ(rig.conversion.CapitalCount(), 1);
  rig.desktop.ClearSyntheticLog();
  Convert(u"B");
  EXPECT_TRUE(test_support::Sent(rig.desktop.SyntheticLog(), vk::kShift)) << "typed with Shift";
  EXPECT_EQ(rig.state.InputMode, input_mode::kLower);
  EXPECT_EQ(rig.display.mode, u"英字\u3000小");
  EXPECT_EQ(rig.conversion.CapitalCount(), 0);
}

TEST_F(CellConversionTest, CapitalSignsCountUpToTwoAndStartAgain) {
  Convert(u"8");
  const struct {
    int mode;
    int count;
    bool caps_lock;
  } after_each[] = {
      {input_mode::kOneCapital, 1, false},
      {input_mode::kCapitals, 2, true},
      {input_mode::kOneCapital, 1, false},
  };
  for (const auto& expected : after_each) {
    Convert(u",");
    EXPECT_EQ(rig.state.InputMode, expected.mode);
    EXPECT_EQ(rig.conversion.CapitalCount(), expected.count);
    EXPECT_EQ(rig.desktop.Keys().Toggled(vk::kCapital), expected.caps_lock);
    EXPECT_TRUE(rig.conversion.NoOutput());
  }
}

TEST_F(CellConversionTest, LeavingCapitalsGoesBackToLowerCase) {
  Convert(u"8,,");
  ASSERT_EQ(rig.state.InputMode, input_mode::kCapitals);
  Convert(u"8");
  EXPECT_EQ(rig.state.InputMode, input_mode::kLower);
  EXPECT_EQ(rig.conversion.CapitalCount(), 0);
  EXPECT_EQ(rig.display.mode, u"英字\u3000小");
  EXPECT_FALSE(rig.desktop.Keys().Toggled(vk::kCapital));
}

// --- Brackets ---

TEST_F(CellConversionTest, EachKindOfBracketOpensThenCloses) {
  Convert(u"-");
  Convert(u"7");
  Convert(u"-");
  Convert(u"7");
  EXPECT_EQ(Composition(), u"「（」）");
}

// --- Re-typing ---

TEST_F(CellConversionTest, RetypingTheLastResultTakesItOutOfTheText) {
  rig.Chord({'F', 'L'});
  rig.Tap(vk::kReturn);
  ASSERT_EQ(rig.box.Text(), u"か");
  ASSERT_EQ(rig.mirrors.Result(), u"か");
  rig.conversion.RestoreComposition(Restore::kResult);
  EXPECT_EQ(rig.box.Text(), u"");
  EXPECT_EQ(Composition(), u"か");
  EXPECT_EQ(rig.state.InputMode, input_mode::kKana);
  EXPECT_TRUE(rig.state.LatchHeld);
}

TEST_F(CellConversionTest, RetypingWithNothingConfirmedSaysSo) {
  rig.conversion.RestoreComposition(Restore::kResult);
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kNothingConfirmed, 0}}));
  rig.host.messages.clear();
  rig.conversion.RestoreComposition(Restore::kReading);  // nothing composed: nothing to do
  EXPECT_TRUE(rig.host.messages.empty());
  EXPECT_FALSE(rig.Composing());
}

}  // namespace
}  // namespace orvo::braille
