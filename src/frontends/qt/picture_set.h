// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the program names by number: the toolbar buttons' (memo, the
// input method, the IME state, the blank cover) and the menu's check marks.
// Each is drawn at the size asked from one row of data, in two colours of
// strong contrast for readers with low vision. A QGuiApplication must exist.
#include <QIcon>
#include <QPixmap>
#include <QRgb>
#include <span>

namespace orvo::qt {

enum class Figure {
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
  Figure figure;
  QRgb paper;             // the tile
  QRgb ink;               // every line, dot and glyph
  const char16_t* glyph;  // kKeyCap and kGlyph
  int dots;               // kCell: bit 0 is dot 1 ... bit 5 is dot 6
};

std::span<const PictureRow> PictureRows();

// Null for an id the set does not have, or a size below 1.
QPixmap PicturePixmap(int id, int size);
// Every toolbar and menu size, drawn for each; null for an unknown id.
QIcon PictureIcon(int id);

}  // namespace orvo::qt
