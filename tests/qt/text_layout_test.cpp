// The text view's lines: the composition put in at the caret, the selection,
// the clauses and the caret's place, line by line.
#include "platform/qt/text_layout.h"

#include <gtest/gtest.h>

namespace orvo::testing {
namespace {

using qt::LayOutText;
using qt::Preedit;
using qt::RunStyle;
using qt::TextRun;

TEST(TextLayout, PlainLinesBreakOnCrLfOnly) {
  const auto lines = LayOutText(u"ab\r\ncd\ne", 0, 0, {});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].runs, (std::vector<TextRun>{{u"ab", RunStyle::kPlain}}));
  EXPECT_EQ(lines[1].runs, (std::vector<TextRun>{{u"cd\ne", RunStyle::kPlain}}));
  EXPECT_EQ(lines[0].caret, 0);
  EXPECT_EQ(lines[1].caret, -1);
}

TEST(TextLayout, EmptyTextIsOneLineWithTheCaret) {
  const auto lines = LayOutText(u"", 0, 0, {});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(lines[0].runs.empty());
  EXPECT_EQ(lines[0].caret, 0);
}

TEST(TextLayout, SelectionIsMarkedWhicheverEndMoves) {
  for (const auto& [anchor, caret] : {std::pair{1, 4}, std::pair{4, 1}}) {
    const auto lines = LayOutText(u"abcdef", anchor, caret, {});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].runs, (std::vector<TextRun>{{u"a", RunStyle::kPlain},
                                                   {u"bcd", RunStyle::kSelected},
                                                   {u"ef", RunStyle::kPlain}}));
    EXPECT_EQ(lines[0].caret, caret);
  }
}

TEST(TextLayout, SelectionAcrossLinesMarksBoth) {
  const auto lines = LayOutText(u"ab\r\ncd", 1, 5, {});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].runs.back(), (TextRun{u"b", RunStyle::kSelected}));
  EXPECT_EQ(lines[1].runs.front(), (TextRun{u"c", RunStyle::kSelected}));
  EXPECT_EQ(lines[1].caret, 1);
}

TEST(TextLayout, CompositionGoesInAtTheCaretWithItsOwnCaret) {
  Preedit p;
  p.text = u"にほ";
  p.caret = 1;
  const auto lines = LayOutText(u"あい\r\nう", 1, 1, p);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].runs, (std::vector<TextRun>{{u"あ", RunStyle::kPlain},
                                                 {u"にほ", RunStyle::kComposing},
                                                 {u"い", RunStyle::kPlain}}));
  EXPECT_EQ(lines[0].caret, 2);
  EXPECT_EQ(lines[1].caret, -1);
}

TEST(TextLayout, ClausesAreMarkedAndTheFocusedOneStandsOut) {
  Preedit p;
  p.text = u"私は日本語を";
  p.clause_lengths = {2, 4};
  p.focused = 1;
  p.caret = 6;
  const auto lines = LayOutText(u"", 0, 0, p);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].runs, (std::vector<TextRun>{{u"私は", RunStyle::kClause},
                                                 {u"日本語を", RunStyle::kFocusedClause}}));
  EXPECT_EQ(lines[0].caret, 6);
}

TEST(TextLayout, OutOfRangePositionsAndClauseLengthsAreClamped) {
  Preedit p;
  p.text = u"かな";
  p.clause_lengths = {5, 3};
  p.focused = 0;
  p.caret = 9;
  const auto lines = LayOutText(u"ab", -3, 40, p);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].runs, (std::vector<TextRun>{{u"ab", RunStyle::kSelected},
                                                 {u"かな", RunStyle::kFocusedClause}}));
  EXPECT_EQ(lines[0].caret, 4);
}

}  // namespace
}  // namespace orvo::testing
