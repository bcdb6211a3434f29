// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cells that act on the cells after them, by their Braille ASCII codes.
//   1 o o 4
//   2 o o 5
//   3 o o 6

namespace orvo::braille::cells {

// Kana mode: prefixes that voice or contract the kana cell after them.
inline constexpr char16_t kVoicing = u'"';               // dot 5
inline constexpr char16_t kSemiVoicing = u',';           // dot 6
inline constexpr char16_t kContracted = u'@';            // dot 4
inline constexpr char16_t kContractedVoiced = u'^';      // dots 4-5
inline constexpr char16_t kContractedSemiVoiced = u'.';  // dots 4-6

// Kana mode: marks of their own that also begin the special sounds of
// loanwords (ウィ, ファ, ヴァ, デュ). Each waits: a cell that completes a sound
// types the sound, anything else types the mark first.
inline constexpr char16_t kQuestionOrSpecial = u'5';      // dots 2-6: ？, or ウィ ツァ ファ …
inline constexpr char16_t kFullStopOrSpecial = u'4';      // dots 2-5-6: 。, or ヴァ ドゥ
inline constexpr char16_t kBracketOrSpecial = u'_';       // dots 4-5-6: KAKKO, or デュ

// Mode cells.
inline constexpr char16_t kNumberSign = u'#';      // dots 3-4-5-6: digits
inline constexpr char16_t kForeignLetters = u'8';  // dots 2-3-6: letters
inline constexpr char16_t kBackToKana = u'0';      // dots 3-5-6, after digits or letters
// Digit mode: dots 3-6, the connecting sign; it ends the number so that a
// kana of the あ or ら row can follow (１え), and types nothing.
inline constexpr char16_t kConnecting = u'-';
inline constexpr char16_t kCapitalSign = u',';     // dot 6, in letter modes

// Digit mode: dots 2-5, whose pair with itself is the equals sign.
inline constexpr char16_t kDigitSymbol = u'3';
// Letter modes: dots 5-6 before a symbol cell.
inline constexpr char16_t kLetterSymbol = u';';

}  // namespace orvo::braille::cells
