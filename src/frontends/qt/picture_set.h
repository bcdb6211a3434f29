// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the program names by number: the toolbar buttons' (memo, the
// input method, the IME state, the blank cover) and the menu's check marks.
// Each is drawn at the size asked from its row of the toolkit's table
// (toolkit/picture_rows.h). A QGuiApplication must exist.
#include <QIcon>
#include <QPixmap>
#include <QRgb>
#include <span>

#include "toolkit/picture_rows.h"

namespace orvo::qt {

// The rows are the toolkit's, which every front end draws from.
using Figure = PictureFigure;
using PictureRow = orvo::PictureRow;

using orvo::PictureRows;

// Null for an id the set does not have, or a size below 1.
QPixmap PicturePixmap(int id, int size);
// Every toolbar and menu size, drawn for each; null for an unknown id.
QIcon PictureIcon(int id);

}  // namespace orvo::qt
