// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which set of cell tables an input mode reads.
#include "braille/input_mode.h"

namespace orvo::braille {

enum class TableGroup { kNone, kKana, kDigits, kLetters };

// Modes above the letter modes read the letter tables; modes below kana have none.
constexpr TableGroup GroupOf(int mode) {
  if (mode < input_mode::kKana) return TableGroup::kNone;
  if (mode == input_mode::kKana) return TableGroup::kKana;
  if (mode == input_mode::kDigits) return TableGroup::kDigits;
  return TableGroup::kLetters;
}

}  // namespace orvo::braille
