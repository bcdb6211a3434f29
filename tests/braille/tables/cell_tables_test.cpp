// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/cell_tables.h"

#include <gtest/gtest.h>

#include <set>

#include "braille/tables/prefix_check.h"
#include "braille/tables/conversion_cases.h"

namespace orvo::braille {
namespace {

using cases::U8;
using cases::Words;

TEST(CellTables, EverySingleCellTypesItsText) {
  for (const auto& run : cases::kSingleRuns) {
    const auto typed = Words(run.typed);
    ASSERT_EQ(typed.size(), run.cells.size()) << U8(run.cells);
    for (std::size_t i = 0; i < typed.size(); ++i) {
      const auto single = LookupSingle(run.mode, run.cells[i]);
      ASSERT_TRUE(single) << "mode " << run.mode << " cell " << U8(run.cells.substr(i, 1));
      EXPECT_EQ(U8(single->text), U8(typed[i])) << U8(run.cells.substr(i, 1));
      EXPECT_EQ(single->bracket, Bracket::kNone);
    }
  }
}

TEST(CellTables, TablesHoldNothingBeyondTheCharts) {
  for (int mode : {1, 2, 3}) {
    std::size_t listed = 0;
    for (const auto& run : cases::kSingleRuns) {
      if (run.mode == mode) listed += run.cells.size();
    }
    EXPECT_EQ(SingleCells(mode).size(), listed) << "mode " << mode;
  }
}

TEST(CellTables, NoCellIsListedTwice) {
  for (int mode : {1, 2, 3}) {
    std::set<char16_t> seen;
    for (const auto& row : SingleCells(mode)) {
      EXPECT_TRUE(seen.insert(row.cell).second) << U8(ustring(1, row.cell));
    }
    for (const auto& row : BracketCells(mode)) {
      EXPECT_TRUE(seen.insert(row.cell).second) << U8(ustring(1, row.cell));
    }
  }
}

TEST(CellTables, BracketCellsOpenThenCloseInKanaOnly) {
  struct Case {
    char16_t cell;
    Bracket bracket;
    ustring_view open, close;
  };
  constexpr Case kCases[] = {
      {u'-', Bracket::kCorner, u"[", u"]"},
      {u'7', Bracket::kParen, u"(", u")"},
      {u'2', Bracket::kAngle, u"<", u">"},
  };
  for (const auto& c : kCases) {
    const auto single = LookupSingle(1, c.cell);
    ASSERT_TRUE(single);
    EXPECT_EQ(single->bracket, c.bracket);
    EXPECT_EQ(U8(single->text), U8(c.open));
    EXPECT_EQ(U8(single->close), U8(c.close));
    for (int mode : {2, 3}) {
      const auto other = LookupSingle(mode, c.cell);
      EXPECT_TRUE(!other || other->bracket == Bracket::kNone) << "mode " << mode;
    }
  }
}

TEST(CellTables, AllLetterModesShareOneTable) {
  for (int mode : {4, 5, 6, 40}) {
    for (char16_t cell = 0x21; cell <= 0x5F; ++cell) {
      const auto lower = LookupSingle(3, cell);
      const auto other = LookupSingle(mode, cell);
      ASSERT_EQ(lower.has_value(), other.has_value()) << "mode " << mode;
      if (lower) {
        EXPECT_EQ(U8(lower->text), U8(other->text));
      }
    }
  }
}

TEST(CellTables, ModesBelowKanaHaveNoCells) {
  for (int mode : {0, -1}) {
    for (char16_t cell = 0x21; cell <= 0x5F; ++cell) {
      EXPECT_FALSE(LookupSingle(mode, cell)) << "mode " << mode;
    }
  }
}

// The letter modes share one table, so a cell needs to be typeable in one of them.
TEST(CellTables, NoEntryIsHiddenBehindAPrefix) {
  auto typeable = [](int mode, char16_t cell) {
    const PrefixAction action = CheckPrefix(mode, cell);
    return action == PrefixAction::kNone || action == PrefixAction::kNotPrefix ||
           action == PrefixAction::kSignOrPrefix;
  };
  for (int mode : {1, 2}) {
    for (const auto& row : SingleCells(mode)) {
      EXPECT_TRUE(typeable(mode, row.cell)) << "mode " << mode << " " << U8(ustring(1, row.cell));
    }
    for (const auto& row : BracketCells(mode)) {
      EXPECT_TRUE(typeable(mode, row.cell)) << "mode " << mode << " " << U8(ustring(1, row.cell));
    }
  }
  for (const auto& row : SingleCells(3)) {
    EXPECT_TRUE(typeable(3, row.cell) || typeable(4, row.cell) || typeable(5, row.cell))
        << U8(ustring(1, row.cell));
  }
}

TEST(CellTables, ACellThatIsNotAPrefixStillTypesItsMark) {
  for (int mode : {3, 4}) {
    ASSERT_EQ(CheckPrefix(mode, u'8'), PrefixAction::kNotPrefix);
    const auto single = LookupSingle(mode, u'8');
    ASSERT_TRUE(single);
    EXPECT_EQ(U8(single->text), "?");
  }
}

}  // namespace
}  // namespace orvo::braille
