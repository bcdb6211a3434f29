// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/colour_hsv.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvo {
namespace {

// v/255 × 255 lands just under v in floating point more often than not;
// without this nudge truncation would turn 192 into 191.
constexpr double kTruncationSlack = 1e-7;

int ToComponent(double unit) {
  const double scaled = std::trunc(unit * 255 + kTruncationSlack);
  if (!(scaled > 0)) return 0;  // also for no number at all
  return static_cast<int>(std::min(scaled, 255.0));
}

// Which of v, t, p, q each component takes, per sixth of the hue circle.
enum Term { V, T, P, Q };
struct Sextant {
  Term red, green, blue;
};
constexpr std::array<Sextant, 6> kSextants = {{
    {V, T, P},
    {Q, V, P},
    {P, V, T},
    {P, Q, V},
    {T, P, V},
    {V, P, Q},
}};

}  // namespace

Hsv RgbToHsv(int red, int green, int blue) {
  const double r = std::clamp(red, 0, 255) / 255.0;
  const double g = std::clamp(green, 0, 255) / 255.0;
  const double b = std::clamp(blue, 0, 255) / 255.0;
  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  Hsv hsv;
  hsv.value = max * 100;
  const double saturation = max == 0 ? 0 : (max - min) / max;
  hsv.saturation = saturation * 100;
  if (saturation == 0) return hsv;
  const double rc = (max - r) / (max - min);
  const double gc = (max - g) / (max - min);
  const double bc = (max - b) / (max - min);
  double hue = r == max ? bc - gc : g == max ? 2 + rc - bc : 4 + gc - rc;
  hue *= 60;
  if (hue < 0) hue += 360;
  hsv.hue = hue;
  return hsv;
}

Hsv ColourToHsv(Colour colour) { return RgbToHsv(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

Rgb HsvToRgb(double hue, double saturation, double value) {
  const double s = saturation / 100;
  const double v = value / 100;
  if (s == 0) return {ToComponent(v), ToComponent(v), ToComponent(v)};
  double h = std::fmod(hue, 360.0) / 60;
  if (h < 0) h += 6;
  if (!(h >= 0 && h < 6)) h = 0;  // 6 from rounding, or a hue that is no number
  const int i = static_cast<int>(h);
  const double f = h - i;
  const std::array<double, 4> term = {v, v * (1 - s * (1 - f)), v * (1 - s), v * (1 - s * f)};
  const Sextant& pick = kSextants[static_cast<std::size_t>(i)];
  return {ToComponent(term[pick.red]), ToComponent(term[pick.green]), ToComponent(term[pick.blue])};
}

Colour HsvToColour(double hue, double saturation, double value) {
  const Rgb rgb = HsvToRgb(hue, saturation, value);
  return MakeColour(rgb.red, rgb.green, rgb.blue);
}

}  // namespace orvo
