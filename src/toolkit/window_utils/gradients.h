// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own button faces and splash background: bands of one hue
// and saturation whose brightness follows the desktop's button colour. A
// button is lit just below its top edge and darkens towards the bottom; the
// splash is lightest in its middle band and darkens to both edges.
#include <array>

#include "toolkit/window_utils/bitmap.h"
#include "toolkit/window_utils/colour.h"

namespace orvo {

inline constexpr int kButtonRows = 26;
inline constexpr int kSplashShades = 21;
inline constexpr int kSplashWidth = 299;
inline constexpr int kSplashHeight = 178;
// The grey that stands in for a desktop whose button colour reads as black.
inline constexpr Colour kFallbackButtonFace = MakeColour(192, 192, 192);

// One colour per pixel row of a button: value V − 3 + k for rows 0-6, then
// V + 11 − k down to row 25.
std::array<Colour, kButtonRows> ButtonGradient(Colour face);
// Value V + 2 − k, k = 0 … 20.
std::array<Colour, kSplashShades> SplashGradient(Colour face);

// A button face of the given width, 26 rows high, one gradient colour a row.
// A face of 0 (black) draws nothing: the picture stays empty.
Bitmap ButtonFaceImage(Colour face, int width);
// The splash window's background, 299 × 178: the middle band (rows 60-117)
// in shade 0, the bands above and below stepping every three rows to shade
// 20 at the edges. Nothing is drawn for a face of 0.
Bitmap SplashBackground(Colour face);

}  // namespace orvo
