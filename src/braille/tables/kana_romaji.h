// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Half-width katakana, as the IME reports a composition's reading, back to
// the keys that type it again.
#include "platform/edit_control.h"
#include "platform/text.h"

namespace orvo::braille {


struct KanaRomaji {
  ustring romaji;  // empty: no entry
  int ime_mode = 0;  // the text box IME mode it needs; 0: no entry, mode unchanged
  bool shift = false;  // every key of romaji is typed with Shift
};

// Small kana and sound marks that join the character before them into one syllable.
inline constexpr ustring_view kJoiningKana = u"ｬｭｮﾞﾟｧｨｩｪｫ";

// One character: kana, or an ASCII character of the reading typed as its key.
KanaRomaji LookupKana1(char16_t kana);

// Two and three characters, typed in hiragana mode without Shift; "" for no entry
// or a string of another length.
ustring_view LookupKana2(ustring_view kana);
ustring_view LookupKana3(ustring_view kana);

}  // namespace orvo::braille
