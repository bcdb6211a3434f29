// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the program's own pictures look, as data every front end draws from:
// one row per picture, a figure in two colours of strong contrast for
// readers with low vision. Colours here are written 0xRRGGBB (red in the
// high byte), as pictures' colours are usually written; ProgramColour gives
// the program's own order.
#include <cstdint>
#include <span>

#include "toolkit/window_utils/colour.h"

namespace orvo {

enum class PictureFigure {
  kBlank,      // the tile alone
  kPage,       // a note page with a folded corner and lines of writing
  kKeyCap,     // a keyboard key with the glyph on it
  kCell,       // a braille cell: the dots of the mask filled, the others ringed
  kGlyph,      // the glyph alone, large
  kBoxTicked,  // a check box with a tick
  kBoxEmpty,   // an empty check box
};

struct PictureRow {
  int id;
  PictureFigure figure;
  std::uint32_t paper;    // the tile, 0xRRGGBB
  std::uint32_t ink;      // every line, dot and glyph, 0xRRGGBB
  const char16_t* glyph;  // kKeyCap and kGlyph
  int dots;               // kCell: bit 0 is dot 1 ... bit 5 is dot 6
};

std::span<const PictureRow> PictureRows();
// The row of picture `id`; null for a picture drawn otherwise (or none).
const PictureRow* FindPictureRow(int id);

// 0xRRGGBB as the program keeps colours (red + 256 × green + 65536 × blue).
constexpr Colour ProgramColour(std::uint32_t rrggbb) {
  return MakeColour(static_cast<int>(rrggbb >> 16 & 0xFF), static_cast<int>(rrggbb >> 8 & 0xFF),
                    static_cast<int>(rrggbb & 0xFF));
}

// Where each figure's parts lie in a tile of size 1 (the front ends scale them).
namespace figure_shape {
inline constexpr double kDotRadius = 0.1;
// Centre of braille dot 1..6 (index 0..5).
constexpr double DotX(int dot) { return dot < 3 ? 0.3 : 0.7; }
constexpr double DotY(int dot) { return 0.18 + 0.32 * (dot % 3); }
}  // namespace figure_shape

}  // namespace orvo
