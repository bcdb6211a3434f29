// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/kana_forms.h"

#include <algorithm>
#include <iterator>

namespace orvo::emu {
namespace {

// Hiragana ぁ..ゖ and katakana ァ..ヶ lie in the same order, 0x60 apart.
constexpr char16_t kHiraganaFirst = u'ぁ';
constexpr char16_t kHiraganaLast = u'ゖ';
constexpr char16_t kKatakanaFirst = u'ァ';
constexpr char16_t kKatakanaLast = u'ヶ';
constexpr char16_t kKanaOffset = kKatakanaFirst - kHiraganaFirst;

struct HalfWidthRow {
  char16_t full;
  ustring_view half;
};

// clang-format off
constexpr HalfWidthRow kHalfWidth[] = {
    {u'ア', u"ｱ"}, {u'イ', u"ｲ"}, {u'ウ', u"ｳ"}, {u'エ', u"ｴ"}, {u'オ', u"ｵ"},
    {u'カ', u"ｶ"}, {u'キ', u"ｷ"}, {u'ク', u"ｸ"}, {u'ケ', u"ｹ"}, {u'コ', u"ｺ"},
    {u'サ', u"ｻ"}, {u'シ', u"ｼ"}, {u'ス', u"ｽ"}, {u'セ', u"ｾ"}, {u'ソ', u"ｿ"},
    {u'タ', u"ﾀ"}, {u'チ', u"ﾁ"}, {u'ツ', u"ﾂ"}, {u'テ', u"ﾃ"}, {u'ト', u"ﾄ"},
    {u'ナ', u"ﾅ"}, {u'ニ', u"ﾆ"}, {u'ヌ', u"ﾇ"}, {u'ネ', u"ﾈ"}, {u'ノ', u"ﾉ"},
    {u'ハ', u"ﾊ"}, {u'ヒ', u"ﾋ"}, {u'フ', u"ﾌ"}, {u'ヘ', u"ﾍ"}, {u'ホ', u"ﾎ"},
    {u'マ', u"ﾏ"}, {u'ミ', u"ﾐ"}, {u'ム', u"ﾑ"}, {u'メ', u"ﾒ"}, {u'モ', u"ﾓ"},
    {u'ヤ', u"ﾔ"}, {u'ユ', u"ﾕ"}, {u'ヨ', u"ﾖ"},
    {u'ラ', u"ﾗ"}, {u'リ', u"ﾘ"}, {u'ル', u"ﾙ"}, {u'レ', u"ﾚ"}, {u'ロ', u"ﾛ"},
    {u'ワ', u"ﾜ"}, {u'ヲ', u"ｦ"}, {u'ン', u"ﾝ"},
    {u'ガ', u"ｶﾞ"}, {u'ギ', u"ｷﾞ"}, {u'グ', u"ｸﾞ"}, {u'ゲ', u"ｹﾞ"}, {u'ゴ', u"ｺﾞ"},
    {u'ザ', u"ｻﾞ"}, {u'ジ', u"ｼﾞ"}, {u'ズ', u"ｽﾞ"}, {u'ゼ', u"ｾﾞ"}, {u'ゾ', u"ｿﾞ"},
    {u'ダ', u"ﾀﾞ"}, {u'ヂ', u"ﾁﾞ"}, {u'ヅ', u"ﾂﾞ"}, {u'デ', u"ﾃﾞ"}, {u'ド', u"ﾄﾞ"},
    {u'バ', u"ﾊﾞ"}, {u'ビ', u"ﾋﾞ"}, {u'ブ', u"ﾌﾞ"}, {u'ベ', u"ﾍﾞ"}, {u'ボ', u"ﾎﾞ"},
    {u'パ', u"ﾊﾟ"}, {u'ピ', u"ﾋﾟ"}, {u'プ', u"ﾌﾟ"}, {u'ペ', u"ﾍﾟ"}, {u'ポ', u"ﾎﾟ"},
    {u'ヴ', u"ｳﾞ"},
    {u'ァ', u"ｧ"}, {u'ィ', u"ｨ"}, {u'ゥ', u"ｩ"}, {u'ェ', u"ｪ"}, {u'ォ', u"ｫ"},
    {u'ャ', u"ｬ"}, {u'ュ', u"ｭ"}, {u'ョ', u"ｮ"}, {u'ッ', u"ｯ"},
    {u'ー', u"ｰ"}, {u'、', u"､"}, {u'。', u"｡"}, {u'「', u"｢"}, {u'」', u"｣"},
    {u'・', u"･"}, {u'゛', u"ﾞ"}, {u'゜', u"ﾟ"},
};

// Where the IME's full-width form is not the one at U+FF01 + (ch - '!').
struct WideAsciiRow {
  char16_t ascii;
  char16_t wide;
};
constexpr WideAsciiRow kWideAscii[] = {
    {u' ', u'　'}, {u'"', u'”'}, {u'\'', u'’'}, {u'`', u'‘'}, {u'\\', u'￥'},
};
// clang-format on

constexpr char16_t kWideAsciiFirst = u'！';
constexpr char16_t kWideAsciiLast = u'～';
constexpr char16_t kWideAsciiOffset = kWideAsciiFirst - u'!';

}  // namespace

std::optional<HalfWidthMatch> MatchHalfWidth(ustring_view text) {
  std::optional<HalfWidthMatch> best;
  for (const HalfWidthRow& row : kHalfWidth) {
    const auto units = static_cast<int>(row.half.size());
    if (text.starts_with(row.half) && (!best || units > best->units)) best = {row.full, units};
  }
  return best;
}

ustring ToHiragana(ustring_view text) {
  ustring out(text);
  for (char16_t& ch : out) {
    if (ch >= kKatakanaFirst && ch <= kKatakanaLast) ch = static_cast<char16_t>(ch - kKanaOffset);
  }
  return out;
}

ustring ToKatakana(ustring_view text) {
  ustring out(text);
  for (char16_t& ch : out) {
    if (ch >= kHiraganaFirst && ch <= kHiraganaLast) ch = static_cast<char16_t>(ch + kKanaOffset);
  }
  return out;
}

ustring ToHalfWidth(ustring_view text) {
  ustring out;
  for (char16_t ch : ToKatakana(text)) {
    if (const char16_t ascii = FromFullWidthAscii(ch); ascii != 0) {
      out += ascii;
      continue;
    }
    const auto row = std::find_if(std::begin(kHalfWidth), std::end(kHalfWidth),
                                  [ch](const HalfWidthRow& r) { return r.full == ch; });
    if (row != std::end(kHalfWidth)) {
      out += row->half;
    } else {
      out += ch;
    }
  }
  return out;
}

char16_t ToFullWidthAscii(char16_t ch) {
  for (const WideAsciiRow& row : kWideAscii) {
    if (row.ascii == ch) return row.wide;
  }
  if (ch >= u'!' && ch <= u'~') return static_cast<char16_t>(ch + kWideAsciiOffset);
  return ch;
}

ustring ToFullWidthAscii(ustring_view text) {
  ustring out;
  out.reserve(text.size());
  for (char16_t ch : text) out += ToFullWidthAscii(ch);
  return out;
}

char16_t FromFullWidthAscii(char16_t ch) {
  for (const WideAsciiRow& row : kWideAscii) {
    if (row.wide == ch) return row.ascii;
  }
  if (ch >= kWideAsciiFirst && ch <= kWideAsciiLast) {
    return static_cast<char16_t>(ch - kWideAsciiOffset);
  }
  return 0;
}

}  // namespace orvo::emu
