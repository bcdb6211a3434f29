// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a cell types on its own in each input mode. Cells are Braille ASCII
// codes ("A" dot 1, "B" dots 1-2, ... "=" all six dots).
#include <optional>
#include <span>

#include "platform/text.h"

namespace orvo::braille {

struct CellText {
  char16_t cell;
  ustring_view text;
};

// Pairs of marks that one cell types in turn, opening then closing; each pair
// keeps its own toggle.
enum class Bracket { kNone, kCorner, kParen, kAngle };

struct BracketCell {
  char16_t cell;
  Bracket bracket;
  ustring_view open;
  ustring_view close;
};

struct SingleCell {
  ustring_view text;  // for a bracket pair, the opening mark
  Bracket bracket = Bracket::kNone;
  ustring_view close;  // the closing mark of a bracket pair, else empty
};

// Nothing for a cell the mode's table lacks, or a mode below 1.
std::optional<SingleCell> LookupSingle(int input_mode, char16_t cell);

// The tables themselves, for charts and checks.
std::span<const CellText> SingleCells(int input_mode);
std::span<const BracketCell> BracketCells(int input_mode);

}  // namespace orvo::braille
