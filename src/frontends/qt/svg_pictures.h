// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures drawn from SVG sources in the program's data folder (the key
// diagrams, the splash), by their numbers, at the size of the control that shows them.
#include <QPixmap>
#include <QSize>

namespace orvo::qt {

// Whether the number names one of these pictures.
bool IsSvgPicture(int id);
// Null for another number, a size below 1, or a source that is missing or
// broken. `size` is in the window's pixels; the picture is drawn with `ratio`
// screen pixels to each of them (a desktop scaled up), and says so.
QPixmap SvgPicture(int id, QSize size, qreal ratio = 1.0);

}  // namespace orvo::qt
