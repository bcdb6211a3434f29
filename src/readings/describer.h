// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text as it is said to someone who cannot see it: each kanji by a word
// that holds it and its reading (日 ニチヨービノ ニチ), each run of kana,
// letters or digits once by its kind (ヒラガナ, カタカナ, ハンカク, オオモジ)
// and then as itself, each symbol by its name. Every part is katakana or
// kana or digits, which every Japanese voice reads as written.
#include <cstddef>

#include "platform/text.h"

namespace orvo::readings {

// At most this many characters of a text are described; the rest is said to
// be left out (a long candidate must not hold up the next key).
inline constexpr std::size_t kMostDescribed = 20;

// The description of the text, its parts separated by 、. A character with
// no description is said by its code (モジコード 1 エフ 600), half a surrogate
// pair as broken; none is left out unsaid.
ustring Describe(ustring_view text);

}  // namespace orvo::readings
