// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/edit/line_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orvo::emu {
namespace {

struct Snapshot {
  std::vector<int> starts;
  std::vector<int> dbcs;
  int chars;
  int total_dbcs;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const LineTable& table) {
  Snapshot snap{{}, {}, table.TotalChars(), table.TotalDbcs()};
  for (int line = 0; line < table.Count(); ++line) {
    snap.starts.push_back(table.Start(line));
    snap.dbcs.push_back(table.DbcsStart(line));
  }
  return snap;
}

Snapshot Fresh(const ustring& text) {
  LineTable table;
  table.Rebuild(text);
  return Take(table);
}

void Apply(LineTable& table, ustring& text, int start, int end, ustring_view inserted) {
  table.Commit(table.Prepare(text, start, end, inserted));
  text.replace(start, end - start, inserted);
}

TEST(LineTableTest, RebuildFindsOnlyCrLfBreaks) {
  LineTable table;
  table.Rebuild(u"ab\r\nあい\rx\ny\r\n");
  ASSERT_EQ(table.Count(), 3);
  EXPECT_EQ(table.Start(1), 4);
  EXPECT_EQ(table.DbcsStart(1), 4);
  EXPECT_EQ(table.End(1), 10);  // the lone CR and LF are text of line 1
  EXPECT_EQ(table.DbcsLength(1), 8);
  EXPECT_EQ(table.Start(2), 12);
  EXPECT_EQ(table.DbcsLength(2), 0);
  EXPECT_EQ(table.TotalDbcs(), 14);
  EXPECT_EQ(table.LineOfDbcs(13), 1);  // on the LF of line 1's break
  EXPECT_EQ(table.LineOfDbcs(14), 2);
  EXPECT_EQ(table.WidestLine(), 8);
}

// Edits that make or break a CR LF pair at either edge of the changed range.
TEST(LineTableTest, EditsAtPairEdgesMatchARebuild) {
  struct Case {
    const char16_t* text;
    int start;
    int end;
    const char16_t* inserted;
  };
  const Case cases[] = {
      {u"a\rb\nc", 2, 3, u""},               // deleting b joins CR and LF
      {u"a\r\nb", 2, 2, u"x"},               // splitting a pair apart
      {u"a\r", 2, 2, u"\nb"},                // LF typed after a lone CR
      {u"a\nb", 1, 1, u"\r"},                // CR typed before a lone LF
      {u"\r\n\r\n\r\n", 0, 6, u"あ\r\nい"},  // whole text replaced
      {u"x\r\ny\r\nz", 1, 5, u""},           // two breaks deleted
      {u"", 0, 0, u"\r\n\r\nｱ"},
      {u"ab\r\ncd", 4, 6, u"\r"},
  };
  for (const Case& c : cases) {
    ustring text = c.text;
    LineTable table;
    table.Rebuild(text);
    Apply(table, text, c.start, c.end, c.inserted);
    EXPECT_EQ(Take(table), Fresh(text)) << ToUtf8(c.text) << " @" << c.start;
  }
}

TEST(LineTableTest, LongRunOfEditsMatchesARebuild) {
  const char16_t pieces[] = {u'a', u'\r', u'\n', u'あ', u'ｶ', u'\r', u'\n'};
  std::uint32_t seed = 12345;
  const auto next = [&seed](std::uint32_t bound) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % bound);
  };
  ustring text;
  LineTable table;
  for (int step = 0; step < 2000; ++step) {
    const int size = static_cast<int>(text.size());
    const int start = next(static_cast<std::uint32_t>(size + 1));
    const int end = start + next(static_cast<std::uint32_t>(std::min(size - start, 4) + 1));
    ustring inserted;
    for (int k = next(4); k > 0; --k) inserted += pieces[next(7)];
    Apply(table, text, start, end, inserted);
    ASSERT_EQ(Take(table), Fresh(text)) << "step " << step;
  }
}

}  // namespace
}  // namespace orvo::emu
