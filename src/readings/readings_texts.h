// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words descriptions are made of. Katakana throughout: every Japanese
// voice reads katakana as written, where kanji are guessed or skipped.
#include <string_view>

namespace orvo::readings::text {

inline constexpr std::u16string_view kHiragana = u"ヒラガナ";
inline constexpr std::u16string_view kKatakana = u"カタカナ";
inline constexpr std::u16string_view kHalfWidth = u"ハンカク";
inline constexpr std::u16string_view kCapital = u"オオモジ";
inline constexpr std::u16string_view kSmall = u"チイサイ";  // then the kana: チイサイ ツ
inline constexpr std::u16string_view kSpace = u"スペース";
inline constexpr std::u16string_view kWideSpace = u"ゼンカク スペース";
inline constexpr std::u16string_view kLineEnd = u"カイギョー";
inline constexpr std::u16string_view kTab = u"タブ";
inline constexpr std::u16string_view kCodePoint = u"モジコード";        // then its number: モジコード 1F600
inline constexpr std::u16string_view kPrivateUse = u"ガイジ モジコード";  // a private-use character
inline constexpr std::u16string_view kBroken = u"フセイナ モジ モジコード";  // half a surrogate pair
inline constexpr std::u16string_view kCut = u"イカ ショーリャク";  // the rest of a long text is not described
inline constexpr std::u16string_view kBetween = u"、";           // between the described parts
inline constexpr std::u16string_view kNothing = u"ナシ";          // an empty text

// What the review key says where there is no character to describe.
inline constexpr std::u16string_view kTextEnd = u"ブンマツ";       // the caret after the last character
inline constexpr std::u16string_view kEmptyLine = u"クーギョー";  // a line with nothing on it
inline constexpr std::u16string_view kSelected = u"センタク";      // then the selection described
inline constexpr std::u16string_view kReading = u"ヨミ";           // then a line's reading in katakana

}  // namespace orvo::readings::text
