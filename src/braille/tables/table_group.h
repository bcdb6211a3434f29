#pragma once
// Which set of cell tables an input mode reads.

namespace orvo::braille {

enum class TableGroup { kNone, kKana, kDigits, kLetters };

// Input modes: 1 kana, 2 digits, 3 lower case, 4 one capital, 5 all capitals.
// Modes above 5 read the letter tables; modes below 1 have none.
constexpr TableGroup GroupOf(int input_mode) {
  if (input_mode < 1) return TableGroup::kNone;
  if (input_mode == 1) return TableGroup::kKana;
  if (input_mode == 2) return TableGroup::kDigits;
  return TableGroup::kLetters;
}

}  // namespace orvo::braille
