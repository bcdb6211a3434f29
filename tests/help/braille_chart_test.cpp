// SPDX-License-Identifier: GPL-3.0-or-later
// The chart the helper shows is read back cell by cell and reading by reading
// and held against the tables the braille keys type by, so that it can never
// teach a cell the keys do not type.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "braille/cell_codes.h"
#include "braille/input_mode.h"
#include "braille/tables/cell_tables.h"
#include "braille/tables/named_cells.h"
#include "braille/tables/prefix_check.h"
#include "braille/tables/prefix_tables.h"
#include "help/braille_chart.h"
#include "platform/emulated/ime/kana_forms.h"
#include "platform/emulated/ime/romaji_composer.h"
#include "frontends/shared/data_files.h"
#include "platform/native/data_folder.h"
#include "platform/native/native_services.h"

namespace orvo::testing {
namespace {

using braille::PrefixAction;

struct Entry {
  ustring cells;  // Braille ASCII
  ustring reading;
  bool own = false;  // drawn with the program's own mark
  int line = 0;
};
struct Section {
  ustring heading;
  std::vector<Entry> entries;
};

constexpr const char16_t* kHeadings[] = {
    u"〓〓< ひらがな 清音>〓〓", u"〓〓〓< 前置符点 >〓〓〓", u"〓〓 < 記号・符点 > 〓〓",
    u"〓〓<カッコ・カギ類>〓〓",  u"〓〓 < 数字・記号 > 〓〓", u"〓〓 < 英字・記号 > 〓〓",
    u"〓< 英字モード用記号 >〓",
};
constexpr char16_t kClosing[] = u"〓〓〓〓〓〓〓 以上 〓〓";
// The input mode each section's cells are typed in, by heading.
constexpr int kSectionModes[] = {1, 1, 1, 1, 2, 3, 3};

bool IsMarkLine(ustring_view line) {
  return !line.empty() && line.find_first_not_of(u"●○－\u3000") == ustring_view::npos;
}

std::vector<ustring> Split(ustring_view line) {
  std::vector<ustring> words;
  ustring word;
  for (char16_t c : line) {
    if (c == u'\u3000' || c == u' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

std::vector<ustring> Lines(ustring_view text) {
  std::vector<ustring> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find(u"\r\n", start);
    lines.emplace_back(text.substr(start, end == ustring_view::npos ? ustring_view::npos : end - start));
    if (end == ustring_view::npos) break;
    start = end + 2;
  }
  return lines;
}

// Each cell of a group: three rows of two marks, dots 1-4, 2-5 and 3-6.
std::vector<Section> Parse(const ustring& chart, std::vector<ustring>& headings) {
  std::vector<Section> sections;
  const std::vector<ustring> lines = Lines(chart);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ustring& line = lines[i];
    if (line.starts_with(u"〓")) {
      headings.push_back(line);
      sections.push_back({line, {}});
      continue;
    }
    if (!IsMarkLine(line)) continue;
    const int number = static_cast<int>(i) + 1;
    if (i + 3 >= lines.size() || sections.empty()) {
      ADD_FAILURE() << "line " << number << ": a group without its rows and readings";
      return sections;
    }
    const std::vector<ustring> rows[3] = {Split(lines[i]), Split(lines[i + 1]), Split(lines[i + 2])};
    const std::vector<ustring> readings = Split(lines[i + 3]);
    EXPECT_TRUE(IsMarkLine(lines[i + 1]) && IsMarkLine(lines[i + 2])) << "line " << number;
    EXPECT_EQ(rows[0].size(), readings.size()) << "line " << number << ": a reading for each drawing";
    for (std::size_t e = 0; e < rows[0].size() && e < readings.size(); ++e) {
      Entry entry{u"", readings[e], false, number};
      const std::size_t width = rows[0][e].size();
      EXPECT_TRUE(width % 2 == 0 && rows[1].size() > e && rows[2].size() > e && rows[1][e].size() == width &&
                  rows[2][e].size() == width)
          << "line " << number << ": entry " << e << " is not whole cells";
      if (rows[1].size() <= e || rows[2].size() <= e || rows[1][e].size() != width || rows[2][e].size() != width) continue;
      for (std::size_t c = 0; c + 1 < width; c += 2) {
        int left = 0;
        int right = 0;
        for (int r = 0; r < 3; ++r) {
          const ustring& row = rows[r][e];
          if (row[c] != u'－') left |= 1 << r;
          if (row[c + 1] != u'－') right |= 1 << r;
          entry.own = entry.own || row[c] == u'○' || row[c + 1] == u'○';
        }
        entry.cells += static_cast<char16_t>(braille::CellCodeOf(left, right));
      }
      sections.back().entries.push_back(entry);
    }
    i += 3;
  }
  return sections;
}

// What the IME shows for the romaji or characters a cell types.
ustring Composed(ustring_view typed, int mode) {
  if (mode != braille::input_mode::kKana) return emu::ToFullWidthAscii(typed);
  ustring out;
  ustring pending;
  for (char16_t key : typed) {
    const char16_t lower = key >= u'A' && key <= u'Z' ? static_cast<char16_t>(key - u'A' + u'a') : key;
    emu::RomajiStep step = emu::FeedRomaji(pending, lower);
    for (const auto& piece : step.done) out += piece.literal ? emu::ToFullWidthAscii(piece.text) : piece.text;
    pending = step.pending;
  }
  for (const auto& piece : emu::FlushRomaji(pending)) out += piece.literal ? emu::ToFullWidthAscii(piece.text) : piece.text;
  return emu::ToKatakana(out);
}

// What an entry's cells type in the mode: one cell alone, or a prefix and its partner.
std::optional<ustring> Typed(const ustring& cells, int mode) {
  if (cells.size() == 1) {
    const auto single = braille::LookupSingle(mode, cells[0]);
    if (!single) return std::nullopt;
    return ustring(single->text) + ustring(single->close);
  }
  if (cells.size() == 2) {
    const ustring_view pair = braille::LookupPair(mode, cells[0], cells[1]);
    if (pair.empty()) return std::nullopt;
    return ustring(pair);
  }
  return std::nullopt;
}

// Cells that switch or wait rather than type: named, not read.
struct NamedCell {
  const char16_t* name;
  const char16_t* cells;
  int mode;  // where the cell acts
  PrefixAction action;
};
constexpr NamedCell kNamed[] = {
    {u"濁音", u"\"", 1, PrefixAction::kWait},          {u"半濁音", u",", 1, PrefixAction::kWait},
    {u"拗音", u"@", 1, PrefixAction::kWait},           {u"拗濁音", u"^", 1, PrefixAction::kWait},
    {u"拗半濁音", u".", 1, PrefixAction::kWait},       {u"数符", u"#", 1, PrefixAction::kToDigits},
    {u"つなぎ符", u"-", 2, PrefixAction::kToKana},     {u"ひらがなへ", u"0", 2, PrefixAction::kToKana},
    {u"外字符", u"8", 1, PrefixAction::kToLetters},    {u"大文字符", u",", 3, PrefixAction::kCapitalSign},
    {u"二重大文字符", u",,", 3, PrefixAction::kCapitalSign},
};

class BrailleChart : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto folder = native::FindOwnDataFolder();
    ASSERT_FALSE(folder.path.empty()) << folder.problem;
    emu::DataFiles data(folder.path.string(), files_);
    const auto chart = help::LoadChart(data);
    ASSERT_TRUE(chart.has_value()) << "the chart is not in " << folder.path << " as CP932";
    chart_ = *chart;
    sections_ = Parse(chart_, headings_);
  }
  bool Has(ustring_view cells, int mode_group) const {
    for (std::size_t s = 0; s < sections_.size() && s < std::size(kSectionModes); ++s) {
      if (kSectionModes[s] != mode_group) continue;
      for (const Entry& e : sections_[s].entries)
        if (e.cells == cells) return true;
    }
    return false;
  }
  native::FileSystem files_;
  ustring chart_;
  std::vector<ustring> headings_;
  std::vector<Section> sections_;
};

TEST_F(BrailleChart, HasTheSectionsInOrderAndTheClosingLine) {
  std::vector<ustring> expected(std::begin(kHeadings), std::end(kHeadings));
  expected.push_back(kClosing);
  EXPECT_EQ(headings_.size(), expected.size());
  for (std::size_t i = 0; i < expected.size() && i < headings_.size(); ++i)
    EXPECT_EQ(ToUtf8(headings_[i]), ToUtf8(expected[i]));
  EXPECT_NE(chart_.find(u"○印の記号はＯｒｖｏ独自"), ustring::npos);
  EXPECT_EQ(chart_.find(u'\n'), chart_.find(u"\r\n") + 1) << "CR LF line ends";
}

TEST_F(BrailleChart, EveryCellAndReadingIsWhatTheKeysType) {
  int checked = 0;
  for (std::size_t s = 0; s < sections_.size() && s < std::size(kSectionModes); ++s) {
    const int mode = kSectionModes[s];
    for (const Entry& e : sections_[s].entries) {
      const std::string where = "line " + std::to_string(e.line) + " " + ToUtf8(e.reading);
      ++checked;
      const auto named = std::ranges::find_if(kNamed, [&](const NamedCell& n) { return e.reading == n.name; });
      if (named != std::end(kNamed)) {
        EXPECT_EQ(ToUtf8(e.cells), ToUtf8(named->cells)) << where;
        for (char16_t c : e.cells) EXPECT_EQ(braille::CheckPrefix(named->mode, c), named->action) << where;
        continue;
      }
      const auto typed = Typed(e.cells, mode);
      ASSERT_TRUE(typed.has_value()) << where << ": the keys type nothing for " << ToUtf8(e.cells);
      EXPECT_EQ(ToUtf8(Composed(*typed, mode)), ToUtf8(emu::ToKatakana(e.reading))) << where;
    }
  }
  EXPECT_GT(checked, 150);
}

TEST_F(BrailleChart, OnlyTheProgramsOwnSignsAreDrawnAsItsOwn) {
  for (const Section& s : sections_) {
    for (const Entry& e : s.entries) {
      const bool own = e.cells.size() == 2 && e.cells[0] == braille::cells::kLetterSymbol;
      EXPECT_EQ(e.own, own) << "line " << e.line;
    }
  }
}

TEST_F(BrailleChart, ListsEveryKanaLetterAndSpecialSound) {
  for (const auto& row : braille::SingleCells(1)) EXPECT_TRUE(Has(ustring(1, row.cell), 1)) << ToUtf8(row.text);
  for (const auto& row : braille::BracketCells(1)) EXPECT_TRUE(Has(ustring(1, row.cell), 1)) << ToUtf8(row.open);
  for (const auto& row : braille::SingleCells(2)) EXPECT_TRUE(Has(ustring(1, row.cell), 2)) << ToUtf8(row.text);
  for (const auto& row : braille::SingleCells(3)) EXPECT_TRUE(Has(ustring(1, row.cell), 3)) << ToUtf8(row.text);
  for (const auto& row : braille::PairCells(3)) EXPECT_TRUE(Has(ustring{row.prefix, row.cell}, 3)) << ToUtf8(row.text);
  // The loanwords' sounds: every pair after the marks that also begin them.
  for (const auto& row : braille::PairCells(1)) {
    const bool special = row.prefix == braille::cells::kQuestionOrSpecial ||
                         row.prefix == braille::cells::kFullStopOrSpecial ||
                         row.prefix == braille::cells::kBracketOrSpecial;
    if (special) {
      EXPECT_TRUE(Has(ustring{row.prefix, row.cell}, 1)) << ToUtf8(row.text);
    }
  }
}

TEST(BrailleChartData, MissingOrNotCp932IsNoChart) {
  native::FileSystem files;
  EXPECT_FALSE(help::LoadChart(emu::DataFiles("", files)).has_value());
  EXPECT_FALSE(help::LoadChart(emu::DataFiles("/nonexistent-orvo-data", files)).has_value());
}

}  // namespace
}  // namespace orvo::testing
