// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Characters of a reading that no engine should turn into other characters:
// everything but convertible kana. An engine's first candidate keeps them as
// typed; the forms it offers for them (１２３ → 123) come after.
#include "platform/text.h"

namespace orvo::emu {

// The characters engines turn into words: hiragana, the long-vowel mark and ヴ.
bool IsConvertibleKana(char16_t ch);

// True when `candidate` still holds every character of `reading` that is not
// convertible kana, in the same order: digits, letters and symbols stay as typed.
bool KeepsLiterals(ustring_view reading, ustring_view candidate);

}  // namespace orvo::emu
