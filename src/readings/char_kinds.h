// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What kind of character a code point is, for describing it: the runs of a
// text are the stretches of one kind.
namespace orvo::readings {

enum class CharKind {
  kHiragana,
  kKatakana,
  kHalfKatakana,
  kCapital,      // a Latin capital, full width
  kLower,        // a Latin small letter, full width
  kDigit,        // full width
  kHalfCapital,
  kHalfLower,
  kHalfDigit,
  kKanji,
  kOther,        // a symbol, a space, a control or a character with no name here
};

CharKind KindOf(char32_t c);

// The full-width form of a half-width katakana (ｶ カ); the voicing marks ﾞ ﾟ
// are themselves. Other characters are returned as they are.
char32_t WideKatakana(char32_t c);
// カ and ﾞ make ガ; 0 where the pair makes no one character.
char32_t Voiced(char32_t kana, char32_t mark);
// か and the combining voiced mark U+3099 make が, は and U+309A ぱ (text from
// elsewhere may hold a kana so); 0 where the pair makes no one character.
char32_t CombinedVoiced(char32_t kana, char32_t mark);

}  // namespace orvo::readings
