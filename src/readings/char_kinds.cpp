// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/char_kinds.h"

#include <string_view>

namespace orvo::readings {
namespace {

// U+FF66 to U+FF9D in order.
constexpr std::u32string_view kWideOfHalf =
    U"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン";

struct Range {
  char32_t first, last;
  CharKind kind;
};

// Searched in order: the first range that holds the character decides.
constexpr Range kRanges[] = {
    {U'ぁ', U'ゖ', CharKind::kHiragana},      {U'ゝ', U'ゞ', CharKind::kHiragana},
    {U'ァ', U'ヺ', CharKind::kKatakana},      {U'ー', U'ヾ', CharKind::kKatakana},
    {U'ㇰ', U'ㇿ', CharKind::kKatakana},      {U'\uFF66', U'\uFF9F', CharKind::kHalfKatakana},
    {U'Ａ', U'Ｚ', CharKind::kCapital},       {U'ａ', U'ｚ', CharKind::kLower},
    {U'０', U'９', CharKind::kDigit},         {U'A', U'Z', CharKind::kHalfCapital},
    {U'a', U'z', CharKind::kHalfLower},       {U'0', U'9', CharKind::kHalfDigit},
    {U'\u4E00', U'\u9FFF', CharKind::kKanji}, {U'\u3400', U'\u4DBF', CharKind::kKanji},
    {U'\uF900', U'\uFAFF', CharKind::kKanji}, {U'\U00020000', U'\U0003134F', CharKind::kKanji},
};

}  // namespace

CharKind KindOf(char32_t c) {
  for (const Range& r : kRanges) {
    if (c >= r.first && c <= r.last) return r.kind;
  }
  return CharKind::kOther;
}

char32_t WideKatakana(char32_t c) {
  if (c >= U'\uFF66' && c <= U'\uFF9D') return kWideOfHalf[c - U'\uFF66'];
  return c;
}

char32_t Voiced(char32_t kana, char32_t mark) {
  constexpr std::u32string_view kVoicing = U"カキクケコサシスセソタチツテトハヒフヘホ";
  constexpr std::u32string_view kHalfVoicing = U"ハヒフヘホ";
  if (mark == U'\uFF9E' && kana == U'ウ') return U'ヴ';
  if (mark == U'\uFF9E' && kVoicing.find(kana) != std::u32string_view::npos) return kana + 1;
  if (mark == U'\uFF9F' && kHalfVoicing.find(kana) != std::u32string_view::npos) return kana + 2;
  return 0;
}

char32_t CombinedVoiced(char32_t kana, char32_t mark) {
  // The kana that take each mark; the voiced form is the next code point (か が),
  // the half-voiced the one after (は ぱ).
  constexpr std::u32string_view kVoicing =
      U"かきくけこさしすせそたちつてとはひふへほカキクケコサシスセソタチツテトハヒフヘホ";
  constexpr std::u32string_view kHalfVoicing = U"はひふへほハヒフヘホ";
  if (mark == U'\u3099') {
    if (kana == U'う') return U'ゔ';
    if (kana == U'ウ') return U'ヴ';
    if (kVoicing.find(kana) != std::u32string_view::npos) return kana + 1;
  }
  if (mark == U'\u309A' && kHalfVoicing.find(kana) != std::u32string_view::npos) return kana + 2;
  return 0;
}

}  // namespace orvo::readings
