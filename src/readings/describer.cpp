// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/describer.h"

#include <string_view>
#include <vector>

#include "readings/char_kinds.h"
#include "readings/char_names.h"
#include "readings/kanji_table.h"
#include "readings/readings_texts.h"

namespace orvo::readings {
namespace {

// A code point of UTF-16 text; half a surrogate pair stands as itself.
std::vector<char32_t> CodePoints(ustring_view text) {
  std::vector<char32_t> out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      out.push_back(0x10000 + ((char32_t{c} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00));
      ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

void Append(ustring& to, char32_t c) {
  if (c >= 0x10000) {
    to += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    to += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  } else {
    to += static_cast<char16_t>(c);
  }
}

void AppendWords(ustring& to, std::initializer_list<std::u16string_view> words) {
  for (std::u16string_view w : words) {
    if (w.empty()) continue;
    if (!to.empty()) to += u' ';
    to += w;
  }
}

// A variation selector picks the glyph of the character before it (葛 and
// its other form): it is part of that character, not one of its own.
bool IsVariationSelector(char32_t c) {
  return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

// A variation selector or a combining voiced mark becomes part of the
// character before it: the selector is dropped (葛 and its other form are
// said alike), the mark makes the voiced kana (か and U+3099 are が, as the
// input method writes it). One with nothing to join stays, to be said by itself.
std::vector<char32_t> Joined(const std::vector<char32_t>& chars) {
  std::vector<char32_t> out;
  out.reserve(chars.size());
  for (char32_t c : chars) {
    if (!out.empty() && IsVariationSelector(c) && !IsVariationSelector(out.back())) continue;
    if (const char32_t voiced = out.empty() ? 0 : CombinedVoiced(out.back(), c)) {
      out.back() = voiced;
      continue;
    }
    out.push_back(c);
  }
  return out;
}

bool IsPrivateUse(char32_t c) {
  return (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000;
}

// The code as hexadecimal, its letters said by name: 1F600 "1 エフ 600".
ustring SpokenCode(char32_t c) {
  ustring spoken(IsPrivateUse(c)                  ? text::kPrivateUse
                 : (c >= 0xD800 && c < 0xE000)    ? text::kBroken
                                                  : text::kCodePoint);
  constexpr char kHex[] = "0123456789ABCDEF";
  int digits = 4;
  while (digits < 6 && (c >> (4 * digits)) != 0) ++digits;
  bool after_letter = true;
  for (int d = digits - 1; d >= 0; --d) {
    const char h = kHex[(c >> (4 * d)) & 0xF];
    if (h >= 'A') {
      AppendWords(spoken, {LetterName(static_cast<char32_t>(h))});
      after_letter = true;
    } else {
      if (after_letter) spoken += u' ';
      spoken += static_cast<char16_t>(h);
      after_letter = false;
    }
  }
  return spoken;
}

// A character that is not part of a run: a kanji, a symbol, anything else.
ustring DescribeOne(char32_t c) {
  if (const KanjiRow* row = FindKanji(c)) return ustring(row->said);
  if (const auto name = SymbolName(c)) return ustring(*name);
  return SpokenCode(c);
}

bool JoinsRun(CharKind run, char32_t c) {
  const CharKind kind = KindOf(c);
  if (kind == run) return true;
  // The long-vowel mark lengthens hiragana as much as katakana (すごーい).
  return c == U'ー' && run == CharKind::kHiragana;
}

// What a run of kana, letters or digits is said as, after the word for its kind.
ustring RunText(CharKind kind, const std::vector<char32_t>& run) {
  ustring said;
  switch (kind) {
    case CharKind::kHalfKatakana:
      for (char32_t c : run) {
        const char32_t voiced = said.empty() ? 0 : Voiced(said.back(), c);
        if (voiced != 0) {
          said.back() = static_cast<char16_t>(voiced);
        } else {
          Append(said, WideKatakana(c));
        }
      }
      return said;
    case CharKind::kCapital:
    case CharKind::kLower:
    case CharKind::kHalfCapital:
    case CharKind::kHalfLower:
      for (char32_t c : run) AppendWords(said, {LetterName(c)});
      return said;
    case CharKind::kDigit:
      for (char32_t c : run) Append(said, c - U'０' + U'0');
      return said;
    default:
      for (char32_t c : run) Append(said, c);
      return said;
  }
}

struct RunWords {
  CharKind kind;
  std::u16string_view width, what;
};
constexpr RunWords kRunWords[] = {
    {CharKind::kHiragana, {}, text::kHiragana},
    {CharKind::kKatakana, {}, text::kKatakana},
    {CharKind::kHalfKatakana, text::kHalfWidth, text::kKatakana},
    {CharKind::kCapital, {}, text::kCapital},
    {CharKind::kLower, {}, {}},
    {CharKind::kDigit, {}, {}},
    {CharKind::kHalfCapital, text::kHalfWidth, text::kCapital},
    {CharKind::kHalfLower, text::kHalfWidth, {}},
    {CharKind::kHalfDigit, text::kHalfWidth, {}},
};

ustring DescribeRun(CharKind kind, const std::vector<char32_t>& run) {
  // A mark or a small kana alone is said by its name (ー チョーオン, ッ チイサイ ツ).
  if (run.size() == 1) {
    if (const char32_t large = LargeKana(run[0])) {
      ustring said;
      AppendWords(said, {kind == CharKind::kHiragana ? text::kHiragana : text::kKatakana, text::kSmall});
      said += u' ';
      Append(said, large);
      return said;
    }
    if (const auto name = SymbolName(run[0])) return ustring(*name);
  }
  ustring said;
  for (const RunWords& w : kRunWords) {
    if (w.kind == kind) AppendWords(said, {w.width, w.what});
  }
  AppendWords(said, {RunText(kind, run)});
  return said;
}

}  // namespace

ustring Describe(ustring_view text) {
  const std::vector<char32_t> chars = Joined(CodePoints(text));
  if (chars.empty()) return ustring(text::kNothing);
  ustring said;
  const auto add = [&said](const ustring& part) {
    if (!said.empty()) said += text::kBetween;
    said += part;
  };
  std::size_t i = 0;
  const std::size_t end = std::min(chars.size(), kMostDescribed);
  while (i < end) {
    const CharKind kind = KindOf(chars[i]);
    if (kind == CharKind::kKanji || kind == CharKind::kOther) {
      add(DescribeOne(chars[i++]));
      continue;
    }
    std::vector<char32_t> run{chars[i++]};
    while (i < end && JoinsRun(kind, chars[i])) run.push_back(chars[i++]);
    add(DescribeRun(kind, run));
  }
  if (end < chars.size()) add(ustring(text::kCut));
  return said;
}

}  // namespace orvo::readings
