// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's place on the screen in pixels, from its model's twips, by the
// screen's twips per pixel: the one conversion every front end uses.
#include "toolkit/forms/form.h"
#include "platform/geometry.h"

namespace orvo::frontend {

// The outer frame in pixels.
Rect OuterPixels(const forms::Form& form);
// The outer frame in twips for a frame of `px` on the screen.
Rect OuterTwips(const forms::Form& form, const Rect& px);

}  // namespace orvo::frontend
