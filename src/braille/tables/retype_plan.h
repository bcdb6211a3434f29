// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A composition's reading cut into the pieces that type it again, syllable by
// syllable, with the IME mode and Shift each piece needs.
#include <vector>

#include "platform/text.h"

namespace orvo::braille {

struct RetypePiece {
  ustring kana;      // the characters of the reading the piece stands for
  ustring romaji;    // empty: no entry; warn and type nothing for it
  int ime_mode = 0;  // a kana_romaji.h ime_mode value
  bool shift = false;
};

// A small ｯ doubles the first key of the syllable after it; where doubling
// would type something else (a vowel, ﾝ, a symbol, the end) it is typed as XTU.
// A run of joined kana with no entry of its own is cut shorter, so only the
// characters nothing matches are lost.
std::vector<RetypePiece> PlanRetype(ustring_view reading);

}  // namespace orvo::braille
