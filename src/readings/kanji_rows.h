// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kanji descriptions as the build embeds them from
// data/readings/kanji_descriptions.tsv (made by tools/make-kanji-descriptions
// from kanjidic2 and EDICT, CC BY-SA 4.0): one row a kanji, by code point.
#include <cstddef>
#include <string_view>

namespace orvo::readings {

struct KanjiRow {
  char32_t kanji;
  std::u16string_view said;  // "ニチヨービノ ニチ": the word, ノ, the kanji's reading
  std::u16string_view word;  // the word the description names; empty for readings alone
  char set;       // j jōyō, n jinmeiyō, 1 and 2 the levels of JIS X 0208
  char standing;  // c a common word, w another word, v another form of a described kanji,
                  // r the kanji's readings alone
};

// The embedded data, column by column: plain characters, which the program
// loads with next to nothing to relocate. The texts are each row's
// description, a tab, its word and a line feed, in row order, in a few
// pieces (each one string), the last followed by none.
extern const char32_t kKanjiRowKanji[];
extern const std::size_t kKanjiRowCount;
extern const char16_t* const kKanjiRowTexts[];
extern const char kKanjiRowSets[];
extern const char kKanjiRowStandings[];

}  // namespace orvo::readings
