// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spoken names of the characters that are said by name: symbols and
// spaces, Latin letters, small kana.
#include <optional>
#include <string_view>

namespace orvo::readings {

// A symbol's or a space's name (、 テン, ？ ギモンフ); a half-width ASCII
// symbol has the name of its full-width form. None for a character with none.
std::optional<std::u16string_view> SymbolName(char32_t c);
// A Latin letter of either width and case as said: A エー, ｗ ダブリュー.
std::u16string_view LetterName(char32_t c);
// The large kana of a small one (ャ ヤ, っ つ); 0 for any other character.
char32_t LargeKana(char32_t c);

}  // namespace orvo::readings
