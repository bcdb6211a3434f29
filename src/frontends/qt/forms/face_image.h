// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A control's face (a picture of the program's own, drawn in the core) as
// Qt paints it.
#include <QPixmap>

#include "toolkit/window_utils/bitmap.h"

namespace orvo::qt {

QPixmap FacePixmap(const Bitmap& face);

}  // namespace orvo::qt
