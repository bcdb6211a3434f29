// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/kanji_table.h"

#include <algorithm>
#include <vector>

namespace orvo::readings {
namespace {

// The rows, made from the embedded columns when a description is first asked
// for: a program that never describes a kanji pays nothing for the table.
std::vector<KanjiRow> MakeRows() {
  std::vector<KanjiRow> rows;
  rows.reserve(kKanjiRowCount);
  const char16_t* const* piece = kKanjiRowTexts;
  const char16_t* text = *piece;
  const auto field = [&text](char16_t end) {
    const char16_t* start = text;
    while (*text != end) ++text;
    return std::u16string_view(start, static_cast<std::size_t>(text++ - start));
  };
  for (std::size_t i = 0; i < kKanjiRowCount; ++i) {
    if (*text == u'\0') text = *++piece;  // the next piece of the texts
    const std::u16string_view said = field(u'\t');
    const std::u16string_view word = field(u'\n');
    rows.push_back({kKanjiRowKanji[i], said, word, kKanjiRowSets[i], kKanjiRowStandings[i]});
  }
  return rows;
}

}  // namespace

std::span<const KanjiRow> KanjiRows() {
  static const std::vector<KanjiRow> rows = MakeRows();
  return rows;
}

const KanjiRow* FindKanji(char32_t kanji) {
  const auto rows = KanjiRows();
  const auto it = std::lower_bound(rows.begin(), rows.end(), kanji,
                                   [](const KanjiRow& row, char32_t k) { return row.kanji < k; });
  return it != rows.end() && it->kanji == kanji ? &*it : nullptr;
}

}  // namespace orvo::readings
