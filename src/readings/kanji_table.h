// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The description of one kanji, from the table the build embeds.
#include <optional>
#include <span>

#include "readings/kanji_rows.h"

namespace orvo::readings {

// Every row, by code point.
std::span<const KanjiRow> KanjiRows();
// The kanji's row; none for a kanji the table does not hold.
const KanjiRow* FindKanji(char32_t kanji);

}  // namespace orvo::readings
