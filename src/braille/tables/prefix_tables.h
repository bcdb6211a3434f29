// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a prefix cell and the cell after it type together, per input mode.
#include <span>

#include "platform/text.h"

namespace orvo::braille {

struct PairText {
  char16_t prefix;
  char16_t cell;
  ustring_view text;
};

// Empty when the pair has no entry in the mode's table.
ustring_view LookupPair(int input_mode, char16_t prefix, char16_t cell);

// The table itself, for charts and checks.
std::span<const PairText> PairCells(int input_mode);

}  // namespace orvo::braille
