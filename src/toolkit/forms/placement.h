// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window goes when it is centred: over another window or the screen,
// kept on the screen when it fits there. All in twips.
#include "platform/geometry.h"

namespace orvo::forms {

Rect CentredOver(const Rect& over, Size size, const Rect& screen);

}  // namespace orvo::forms
