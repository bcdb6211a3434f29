// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/prefix_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "braille/tables/conversion_cases.h"

namespace orvo::braille {
namespace {

using cases::U8;
using cases::Words;

std::vector<cases::CellRun> AllPairRuns() {
  std::vector<cases::CellRun> runs(std::begin(cases::kPairRuns), std::end(cases::kPairRuns));
  runs.insert(runs.end(), std::begin(cases::kSpecialRuns), std::end(cases::kSpecialRuns));
  return runs;
}

TEST(PrefixTables, EveryPairTypesItsText) {
  for (const auto& run : AllPairRuns()) {
    const auto typed = Words(run.typed);
    ASSERT_EQ(typed.size(), run.cells.size()) << U8(run.cells);
    for (std::size_t i = 0; i < typed.size(); ++i) {
      EXPECT_EQ(U8(LookupPair(run.mode, run.prefix, run.cells[i])), U8(typed[i]))
          << "mode " << run.mode << " cells " << U8(ustring{run.prefix, run.cells[i]});
    }
  }
}

TEST(PrefixTables, TablesHoldNothingBeyondTheCharts) {
  for (int mode : {1, 2, 3}) {
    std::size_t listed = 0;
    for (const auto& run : AllPairRuns()) {
      if (run.mode == mode) listed += run.cells.size();
    }
    EXPECT_EQ(PairCells(mode).size(), listed) << "mode " << mode;
    std::set<std::pair<char16_t, char16_t>> seen;
    for (const auto& row : PairCells(mode)) {
      EXPECT_TRUE(seen.insert({row.prefix, row.cell}).second)
          << U8(ustring{row.prefix, row.cell}) << " listed twice";
    }
  }
}

// Dot 4 and dots 4-5 before ち and し are the special sounds, not contracted ones.
TEST(PrefixTables, SpecialSoundsTypeTheirOwnSyllables) {
  struct Case {
    char16_t prefix, cell;
    ustring_view typed;
  };
  constexpr Case kCases[] = {
      {u'@', u'R', u"THI"},    // ティ
      {u'@', u'\\', u"SWI"},   // スィ
      {u'^', u'R', u"DHI"},    // ディ
      {u'^', u'\\', u"ZUXI"},  // ズィ
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(U8(LookupPair(1, c.prefix, c.cell)), U8(c.typed));
  }
}

// The marks that may begin a special sound combine only with the kana listed;
// any other cell after them is the mark followed by that cell.
TEST(PrefixTables, MarkCellsCombineWithTheirSoundsOnly) {
  for (char16_t mark : {u'5', u'4', u'_'}) {
    std::set<char16_t> listed;
    for (const auto& run : cases::kSpecialRuns) {
      if (run.prefix == mark) listed.insert(run.cells.begin(), run.cells.end());
    }
    for (char16_t cell = 0x21; cell <= 0x5F; ++cell) {
      EXPECT_EQ(LookupPair(1, mark, cell).empty(), !listed.contains(cell))
          << U8(ustring{mark, cell});
    }
  }
}

TEST(PrefixTables, PairsOutsideTheirModeHaveNoEntry) {
  struct Case {
    int mode;
    char16_t prefix, cell;
  };
  // clang-format off
  constexpr Case kCases[] = {
      {1, u'"', u'A'},   // あ has no voiced form
      {1, u',', u'*'},   // nor か a semi-voiced one
      {1, u'.', u'A'},
      {1, u'5', u'A'},   // ？ あ, not a special sound
      {1, u'4', u'*'},
      {1, u'_', u'B'},
      {2, u'5', u'B'},   // special sounds in digits
      {3, u'4', u'U'},
      {1, u'@', u'A'},
      {2, u'"', u'*'},   // kana pairs in digits
      {2, u'3', u'A'},
      {3, u'"', u'*'},   // and in letters
      {4, u';', u'A'},
      {1, u';', u'P'},   // letter symbols in kana
      {0, u'"', u'*'},
      {-1, u';', u'P'},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_TRUE(LookupPair(c.mode, c.prefix, c.cell).empty())
        << "mode " << c.mode << " " << U8(ustring{c.prefix, c.cell});
  }
}

TEST(PrefixTables, LetterSymbolsHoldInEveryLetterMode) {
  for (int mode : {4, 5, 6}) {
    EXPECT_EQ(U8(LookupPair(mode, u';', u'P')), "%");
    EXPECT_EQ(U8(LookupPair(mode, u';', u'@')), "@");
  }
}

}  // namespace
}  // namespace orvo::braille
