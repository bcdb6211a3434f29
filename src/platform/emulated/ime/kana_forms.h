// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
// The forms one text takes in the IME: hiragana, full-width katakana,
// half-width katakana (voiced kana split into base + ﾞ/ﾟ), and ASCII or its
// full-width counterpart. A character with no such form stays as it is.
#include "platform/text.h"

namespace orvo::emu {

ustring ToHiragana(ustring_view text);
ustring ToKatakana(ustring_view text);

// Half-width katakana for kana and Japanese punctuation, ASCII for
// full-width alphanumerics and symbols: the form an IME reading takes.
ustring ToHalfWidth(ustring_view text);

// The half-width kana at the front of `text` read back as one full-width
// character (a kana with its sound mark counts as one: ｶﾞ is ガ).
struct HalfWidthMatch {
  char16_t full;
  int units;
};
std::optional<HalfWidthMatch> MatchHalfWidth(ustring_view text);

// Printable ASCII and space to the form the IME types for them.
char16_t ToFullWidthAscii(char16_t ch);
ustring ToFullWidthAscii(ustring_view text);
// The ASCII character a full-width form stands for, or 0.
char16_t FromFullWidthAscii(char16_t ch);

}  // namespace orvo::emu
