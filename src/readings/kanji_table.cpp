// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/kanji_table.h"

#include <algorithm>

namespace orvo::readings {

std::span<const KanjiRow> KanjiRows() { return {kKanjiRows, kKanjiRowCount}; }

const KanjiRow* FindKanji(char32_t kanji) {
  const auto rows = KanjiRows();
  const auto it = std::lower_bound(rows.begin(), rows.end(), kanji,
                                   [](const KanjiRow& row, char32_t k) { return row.kanji < k; });
  return it != rows.end() && it->kanji == kanji ? &*it : nullptr;
}

}  // namespace orvo::readings
