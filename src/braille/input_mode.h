// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input modes of braille typing, numbered as the cell tables, the state
// dump and scripts number them, with the mode display and text box IME mode
// each one shows.
#include <array>
#include <string_view>

#include "braille/braille_texts.h"
#include "platform/edit_control.h"

namespace orvo::braille {

namespace input_mode {
inline constexpr int kOff = 0;  // braille input off
inline constexpr int kKana = 1;
inline constexpr int kDigits = 2;
inline constexpr int kLower = 3;
inline constexpr int kOneCapital = 4;
inline constexpr int kCapitals = 5;
}  // namespace input_mode

struct InputModeRow {
  int mode;
  std::u16string_view caption;
  std::u16string_view spoken;  // the caption as a screen reader says it
  int ime_mode;
};

// clang-format off
inline constexpr std::array<InputModeRow, 5> kInputModes = {{
    {input_mode::kKana,       text::kModeKana,       text::kSpokenModeKana,       ime_mode::kHiragana},
    {input_mode::kDigits,     text::kModeDigits,     text::kSpokenModeDigits,     ime_mode::kAlphaFull},
    {input_mode::kLower,      text::kModeLower,      text::kSpokenModeLower,      ime_mode::kAlphaFull},
    {input_mode::kOneCapital, text::kModeOneCapital, text::kSpokenModeOneCapital, ime_mode::kAlphaFull},
    {input_mode::kCapitals,   text::kModeCapitals,   text::kSpokenModeCapitals,   ime_mode::kAlphaFull},
}};
// clang-format on

// The row of a mode from kKana to kCapitals; null for any other number.
constexpr const InputModeRow* FindInputMode(int mode) {
  for (const InputModeRow& row : kInputModes) {
    if (row.mode == mode) return &row;
  }
  return nullptr;
}

}  // namespace orvo::braille
