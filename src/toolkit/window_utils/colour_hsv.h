// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as hue, saturation and value (the hexcone model), for gradients
// that keep a colour's hue and vary its brightness.
#include "toolkit/window_utils/colour.h"

namespace orvo {

struct Hsv {
  double hue = 0;         // degrees, 0 up to (not including) 360
  double saturation = 0;  // percent
  double value = 0;       // percent
};

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  bool operator==(const Rgb&) const = default;
};

// Components outside 0-255 count as the nearest end.
Hsv RgbToHsv(int red, int green, int blue);
Hsv ColourToHsv(Colour colour);

// Components truncated and kept within 0-255, so a value or saturation
// pushed past 100 % or below 0 gives white or black rather than garbage.
// Any hue is taken round the circle (360 is 0, -60 is 300).
Rgb HsvToRgb(double hue, double saturation, double value);
Colour HsvToColour(double hue, double saturation, double value);

}  // namespace orvo
