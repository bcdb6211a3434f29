// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/retype_plan.h"

#include <gtest/gtest.h>

#include "braille/tables/cell_tables.h"
#include "braille/tables/kana_romaji.h"
#include "braille/tables/prefix_tables.h"
#include "braille/tables/conversion_cases.h"

namespace orvo::braille {
namespace {

using cases::U8;
using cases::Words;

// The pieces' romaji, space-separated, "-" for a piece with no entry.
ustring Romaji(const std::vector<RetypePiece>& pieces) {
  ustring out;
  for (const auto& piece : pieces) {
    if (!out.empty()) out += u' ';
    out += piece.romaji.empty() ? u"-" : piece.romaji;
  }
  return out;
}

TEST(RetypePlan, CutsReadingsIntoSyllables) {
  struct Case {
    ustring_view reading, romaji;
  };
  constexpr Case kCases[] = {
      {u"", u""},
      {u"ｶﾞｯｺｳ", u"GA KKO U"},
      {u"ｷﾞｬ", u"GYA"},
      {u"ｷｬ", u"KYA"},
      {u"ｷｬｯﾄ", u"KYA TTO"},
      {u"ﾃﾞｨｽﾞｨﾃｨｽｨ", u"DHI ZUXI THI SWI"},
      {u"ｯﾃﾞｨ", u"DDHI"},
      {u"ｳﾞｧｲｵﾘﾝ", u"VA I O RI NN"},
      {u"ﾃﾞｭｴｯﾄ", u"DHU E TTO"},
      {u"ﾌｧｲﾙｳｨﾝﾄﾞｳ", u"FWA I RU WHI NN DO U"},
      {u"ﾂｧｰﾄｩ", u"TSA - TWU"},
      {u"ヰﾃｭヱ", u"WYI THU WYE"},  // no half-width forms: kept full-width
      {u"ｯヵｯヶ", u"XXKA XXKE"},
      // Doubling would type another kana: a small ｯ of its own instead.
      {u"ｱｯ", u"A XTU"},
      {u"ｯｱ", u"XTU A"},
      {u"ｯﾝ", u"XTU NN"},
      {u"ｯｯｶ", u"XTU KKA"},
      {u"ｯ!", u"XTU 1"},
      {u"ｯa", u"XTU A"},
      // Joined kana with no entry of their own fall apart, losing only what has none.
      {u"ｶｧ", u"KA XA"},
      {u"ｽﾞｧ", u"ZU XA"},
      {u"ｱｬｯ", u"A XYA XTU"},
      {u"ﾞ", u"-"},
      {u"ｱﾞ", u"A -"},
      {u"ｶﾞﾞ", u"GA -"},
      {u"ｯﾞ", u"XTU -"},
  };
  for (const auto& c : kCases) {
    const auto pieces = PlanRetype(c.reading);
    EXPECT_EQ(U8(Romaji(pieces)), U8(c.romaji)) << U8(c.reading);
    ustring kana;
    for (const auto& piece : pieces) kana += piece.kana;
    EXPECT_EQ(U8(kana), U8(c.reading)) << "every character is accounted for";
  }
}

TEST(RetypePlan, PiecesCarryTheirModeAndShift) {
  const auto pieces = PlanRetype(u"ｶa!A");
  ASSERT_EQ(pieces.size(), 4u);
  const std::pair<int, bool> expected[] = {
      {orvo::ime_mode::kHiragana, false},
      {orvo::ime_mode::kAlphaFull, false},
      {orvo::ime_mode::kHiragana, true},
      {orvo::ime_mode::kAlphaFull, true},
  };
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    EXPECT_EQ(pieces[i].ime_mode, expected[i].first) << i;
    EXPECT_EQ(pieces[i].shift, expected[i].second) << i;
  }
}

// What a key types with Shift on a Japanese keyboard; letters stay capitals.
char16_t Shifted(char16_t key) {
  constexpr ustring_view kPlain = u"123456789-^\\@[;:],./";
  constexpr ustring_view kShifted = u"!\"#$%&'()=~|`{+*}<>?";
  const auto at = kPlain.find(key);
  return at == ustring_view::npos ? key : kShifted[at];
}

ustring Typed(const std::vector<RetypePiece>& pieces) {
  ustring out;
  for (const auto& piece : pieces) {
    for (char16_t key : piece.romaji) out += piece.shift ? Shifted(key) : key;
  }
  return out;
}

// Whatever a cell types comes back, from the reading the IME shows for it, as
// the same keys.
TEST(RetypePlan, EveryCellsOutputRoundTripsThroughItsReading) {
  auto check = [](const cases::CellRun& run) {
    const auto typed = Words(run.typed);
    const auto readings = Words(run.readings);
    ASSERT_EQ(readings.size(), run.cells.size()) << U8(run.readings);
    for (std::size_t i = 0; i < readings.size(); ++i) {
      const ustring sent = run.prefix == 0
                               ? ustring(LookupSingle(run.mode, run.cells[i]).value().text)
                               : ustring(LookupPair(run.mode, run.prefix, run.cells[i]));
      EXPECT_EQ(U8(sent), U8(typed[i]));
      EXPECT_EQ(U8(Typed(PlanRetype(readings[i]))), U8(sent)) << "reading " << U8(readings[i]);
    }
  };
  for (const auto& run : cases::kSingleRuns) check(run);
  for (const auto& run : cases::kPairRuns) check(run);
  for (const auto& run : cases::kSpecialRuns) check(run);
}

TEST(RetypePlan, BracketMarksRoundTrip) {
  for (const auto& row : BracketCells(1)) {
    for (ustring_view mark : {row.open, row.close}) {
      // The IME shows corner brackets as kana marks, the others as they are.
      const ustring reading = mark == u"[" ? u"｢" : mark == u"]" ? u"｣" : ustring(mark);
      EXPECT_EQ(U8(Typed(PlanRetype(reading))), U8(mark));
    }
  }
}

}  // namespace
}  // namespace orvo::braille
