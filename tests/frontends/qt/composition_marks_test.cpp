// SPDX-License-Identifier: GPL-3.0-or-later
// How the composition is marked in the document, and which page of
// candidates the list shows.
#include <gtest/gtest.h>

#include "frontends/qt/candidate_list.h"
#include "frontends/qt/preedit.h"

namespace orvo::testing {
namespace {

using qt::PreeditMark;
using qt::PreeditSpan;

TEST(CompositionMarks, ReadingThenClausesThenTheFocusedOne) {
  const struct {
    const char* name;
    qt::Preedit preedit;
    std::vector<PreeditSpan> spans;
  } cases[] = {
      {"nothing composed", {}, {}},
      {"reading", {u"にほ", {}, -1, 1}, {{0, 2, PreeditMark::kComposing}}},
      {"clauses", {u"私は日本語を", {2, 4}, 1, 6},
       {{0, 2, PreeditMark::kClause}, {2, 4, PreeditMark::kFocusedClause}}},
      // Lengths that do not add up are cut, and the last clause takes the rest.
      {"too long", {u"かな", {5, 3}, 0, 2}, {{0, 2, PreeditMark::kFocusedClause}}},
      {"too short", {u"かなかな", {1, 1}, 1, 4}, {{0, 1, PreeditMark::kClause}, {1, 3, PreeditMark::kFocusedClause}}},
      {"empty clause skipped", {u"かな", {0, 2}, 1, 2}, {{0, 2, PreeditMark::kFocusedClause}}},
  };
  for (const auto& c : cases) EXPECT_EQ(qt::SpansOf(c.preedit), c.spans) << c.name;
}

// What a changed composition must draw again starts where the two first
// differ: the text, a character's mark, a clause border, or a caret.
TEST(CompositionMarks, TheFirstChangedCharacter) {
  const struct {
    const char* name;
    qt::Preedit before;
    qt::Preedit after;
    int first;
  } cases[] = {
      {"a kana typed", {u"にほ", {}, -1, 2}, {u"にほん", {}, -1, 3}, 2},
      {"the first kana", {}, {u"に", {}, -1, 1}, 0},
      {"a kana taken back", {u"にほん", {}, -1, 3}, {u"にほ", {}, -1, 2}, 2},
      {"the caret moved back", {u"にほん", {}, -1, 3}, {u"にほん", {}, -1, 1}, 1},
      {"a kana typed before the caret", {u"にん", {}, -1, 1}, {u"にほん", {}, -1, 2}, 1},
      {"converted: every mark changes", {u"にほん", {}, -1, 3}, {u"日本", {2}, 0, 2}, 0},
      {"the focus moves to the second clause", {u"私は日本", {2, 2}, 0, 4}, {u"私は日本", {2, 2}, 1, 4}, 0},
      {"a border moves, the marks stay", {u"私は日本", {2, 2}, 1, 4}, {u"私は日本", {3, 1}, 1, 4}, 2},
      {"the second clause converted anew", {u"私は日本", {2, 2}, 1, 4}, {u"私は二本", {2, 2}, 1, 4}, 2},
      {"all taken back", {u"に", {}, -1, 1}, {}, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(qt::FirstChangedAt(c.before, c.after), c.first) << c.name;
}

TEST(CompositionMarks, TheListShowsThePageOfTheChoice) {
  std::vector<ustring> candidates;
  for (int i = 0; i < 20; ++i) candidates.push_back(ustring(1, static_cast<char16_t>(u'a' + i)));
  const struct {
    const char* name;
    int selected;
    int first;
    std::size_t count;
    int current;
  } cases[] = {
      {"first page", 3, 0, 9, 3},
      {"second page", 9, 9, 9, 0},
      {"last, short page", 19, 18, 2, 1},
      {"shown in another form", -1, 0, 9, -1},
  };
  for (const auto& c : cases) {
    const qt::CandidatePage page = qt::PageOf(candidates, c.selected);
    EXPECT_EQ(page.first, c.first) << c.name;
    EXPECT_EQ(page.items.size(), c.count) << c.name;
    EXPECT_EQ(page.current, c.current) << c.name;
    EXPECT_EQ(page.items.front(), candidates[static_cast<std::size_t>(c.first)]) << c.name;
  }
  EXPECT_TRUE(qt::PageOf({}, 0).items.empty());
}

}  // namespace
}  // namespace orvo::testing
