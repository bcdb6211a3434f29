// SPDX-License-Identifier: GPL-3.0-or-later
// The cell conversion over fakes of the main window: what each cell types
// in each mode, prefixes, capital signs, brackets, and re-typing.
#include "braille/cell_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "braille/braille_texts.h"
#include "braille/cell_codes.h"
#include "braille/fakes/braille_rig.h"
#include "braille/fakes/typed_letters.h"
#include "braille/tables/conversion_cases.h"
#include "braille/tables/named_cells.h"
#include "braille/tables/prefix_check.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

using test_support::BrailleRig;
using test_support::ShownMessage;

class CellConversionTest : public ::testing::Test {
 protected:
  void SetUp() override { rig.EnterBraille(); }

  // Converts plain cells one by one, as closing their chords would; what the last one came to.
  CellResult Convert(const ustring& cells) {
    CellResult last;
    for (char16_t cell : cells) last = rig.conversion.Convert(static_cast<CellCode>(cell));
    return last;
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
    for (char16_t cell : c.cells) fresh.conversion.Convert(static_cast<CellCode>(cell));
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
  const CellResult result = Convert(u"\"A");  // a voiced あ does not exist
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kNoEntry, 48}}));
  EXPECT_EQ(rig.display.cells, u"");
  EXPECT_FALSE(rig.conversion.PrefixPending());
  EXPECT_TRUE(result.failed);
  EXPECT_FALSE(rig.Composing());
}

TEST_F(CellConversionTest, ACellWithoutAnEntryIsReported) {
  Convert(u"#");
  const CellResult result = Convert(u"K");  // no digit
  EXPECT_EQ(rig.host.messages, (std::vector<ShownMessage>{{text::kNoEntry, 48}}));
  EXPECT_EQ(rig.display.cells, u"");
  EXPECT_TRUE(result.failed);
  EXPECT_EQ(result.text, u"");
}

// Each plain cell's result: the text typed for it, nothing while a prefix
// waits or a mode switches, and the pair's text once the prefix has its cell.
TEST_F(CellConversionTest, APlainCellReturnsWhatItTyped) {
  struct Step {
    char16_t cell;
    ustring text;
  };
  const Step steps[] = {
      {u'*', u"KA"},   // か
      {u'"', u""},     // voicing waits
      {u'*', u"GA"},   // が
      {u'#', u""},     // digits
      {u'B', u"2"},
      {u'8', u""},     // letters
      {u'B', u"B"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(cases::U8(ustring(1, step.cell)));
    const CellResult result = rig.conversion.Convert(static_cast<CellCode>(step.cell));
    EXPECT_EQ(result.text, step.text);
    EXPECT_FALSE(result.failed);
  }
  EXPECT_EQ(Typed(), "KAGA2B");
  EXPECT_TRUE(rig.host.messages.empty());
}

// --- Marks that may begin a special sound ---

// The keys the log holds, Shift marked, modifiers and key-ups left out.
std::string KeysIn(const std::vector<KeyEvent>& log) {
  std::string out;
  bool shift = false;
  for (const KeyEvent& e : log) {
    if (e.vk == vk::kShift) shift = !e.up;
    if (e.up || e.vk == vk::kShift || e.vk == vk::kControl || e.vk == vk::kMenu ||
        e.vk == vk::kCapital) {
      continue;
    }
    if (shift) out += '^';
    out.append(std::to_string(e.vk)).append(" ");
  }
  return out;
}

// The keys that type the words of a run, one after another.
std::string KeysFor(std::u16string_view words) {
  std::string out;
  for (const ustring& word : cases::Words(words)) {
    for (char16_t c : word) {
      const KeyCode key = GET_KEY_CODE(ustring(1, c));
      if (key.kind == 2) out += '^';
      out.append(std::to_string(key.KeyVK)).append(" ");
    }
  }
  return out;
}

// Every sequence that begins with neither a mark cell of kana mode nor the
// connecting sign of digits types what it always has, cell by cell.
TEST(CellConversionRuns, SequencesWithoutTheNewCellsTypeAsBefore) {
  auto type_run = [](const cases::CellRun& run, bool skip_marks) {
    std::string trace = "mode ";
    trace.append(std::to_string(run.mode)).append(" ").append(cases::U8(run.cells));
    SCOPED_TRACE(trace);
    BrailleRig rig;
    rig.EnterBraille();
    auto convert = [&](char16_t cell) { rig.conversion.Convert(static_cast<CellCode>(cell)); };
    if (run.mode == input_mode::kDigits) convert(cells::kNumberSign);
    if (run.mode == input_mode::kLower) convert(cells::kForeignLetters);
    ASSERT_EQ(rig.state.InputMode, run.mode);
    rig.desktop.ClearSyntheticLog();
    std::u16string words;
    const auto typed = cases::Words(run.typed);
    for (std::size_t i = 0; i < run.cells.size(); ++i) {
      const char16_t cell = run.cells[i];
      if (skip_marks && CheckPrefix(run.mode, cell) == PrefixAction::kSignOrPrefix) continue;
      if (run.prefix != 0) convert(run.prefix);
      convert(cell);
      EXPECT_FALSE(rig.conversion.PrefixPending()) << cases::U8(ustring(1, cell));
      words.append(typed[i]).append(u" ");
    }
    EXPECT_EQ(KeysIn(rig.desktop.SyntheticLog()), KeysFor(words));
    EXPECT_TRUE(rig.host.messages.empty());
  };
  for (const auto& run : cases::kSingleRuns) type_run(run, true);
  for (const auto& run : cases::kPairRuns) type_run(run, false);
}

TEST_F(CellConversionTest, AMarkCellWaitsAndTypesItsMarkOnceWhenAsked) {
  struct Case {
    char16_t cell;
    ustring composition;
  };
  const Case cases[] = {{u'5', u"？"}, {u'4', u"。"}, {u'_', u"かっこ"}};
  ustring composed;
  for (const Case& c : cases) {
    SCOPED_TRACE(cases::U8(ustring(1, c.cell)));
    Convert(ustring(1, c.cell));
    EXPECT_TRUE(rig.conversion.SignPending());
    EXPECT_TRUE(rig.conversion.NoOutput());
    EXPECT_EQ(Composition(), composed);
    EXPECT_TRUE(rig.conversion.TypePendingSign());
    composed += c.composition;
    EXPECT_EQ(Composition(), composed);
    EXPECT_FALSE(rig.conversion.PrefixPending());
    EXPECT_FALSE(rig.conversion.NoOutput());
    EXPECT_FALSE(rig.conversion.TypePendingSign()) << "typed once only";
    EXPECT_EQ(Composition(), composed);
  }
  Convert(u"\"");  // an ordinary prefix has no mark of its own
  EXPECT_FALSE(rig.conversion.SignPending());
  EXPECT_FALSE(rig.conversion.TypePendingSign());
  EXPECT_TRUE(rig.conversion.PrefixPending());
}

TEST_F(CellConversionTest, ASoundJoinsTheDisplayAndAMarkBeforeAnotherCellDoesNot) {
  rig.Chord({'D', 'L'});  // dots 2-6
  EXPECT_EQ(rig.display.cells, u"5");
  rig.Chord({'F', 'S', 'L'});  // は: ファ
  EXPECT_EQ(rig.display.cells, u"5U");
  EXPECT_EQ(Composition(), u"ふぁ");
  rig.Chord({'D', 'K', 'L'});  // dots 2-5-6
  rig.Chord({'F'});             // あ: 。 then あ
  EXPECT_EQ(rig.display.cells, u"A");
  EXPECT_EQ(Composition(), u"ふぁ。あ");
  EXPECT_TRUE(rig.host.messages.empty());
}

TEST_F(CellConversionTest, BackspaceCancelsAWaitingMarkAndOtherKeysTypeItFirst) {
  rig.Chord({'J', 'K', 'L'});  // dots 4-5-6
  rig.Tap('H');
  EXPECT_FALSE(rig.conversion.PrefixPending());
  EXPECT_FALSE(rig.Composing());
  rig.Chord({'J', 'K', 'L'});
  rig.Tap(vk::kBack);
  EXPECT_FALSE(rig.Composing());
  for (int key : {int{'U'}, int{'E'}, int{'C'}, int{vk::kTab}}) {
    SCOPED_TRACE(key);
    const ustring before = Composition();
    rig.Chord({'D', 'L'});  // dots 2-6
    rig.Tap(key);
    EXPECT_FALSE(rig.conversion.PrefixPending());
    EXPECT_EQ(Composition().size(), before.size() + 1);
  }
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
