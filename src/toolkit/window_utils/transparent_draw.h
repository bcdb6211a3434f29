// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing a picture over another with one of its colours left out, so the
// picture underneath shows through (icons on the gradient buttons, the
// splash picture on its gradient).
#include "toolkit/window_utils/bitmap.h"
#include "toolkit/window_utils/colour.h"

namespace orvo {

// Draws width × height pixels of source at the top left of destination, if
// there is one, except where source has the transparent colour.
// Afterwards, as callers rely on: source holds the picture with its
// transparent pixels turned black, mask holds the mask (white where
// transparent, black elsewhere, through mask's colours). A caller that
// wants the picture back reloads it. Parts of the block beyond the source
// picture count as transparent.
void TransparentDraw(DeviceContext& source, int width, int height, DeviceContext& mask,
                     Colour transparent, DeviceContext* destination);

}  // namespace orvo
