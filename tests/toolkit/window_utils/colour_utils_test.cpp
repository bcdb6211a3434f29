// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "toolkit/window_utils/colour_hsv.h"

namespace orvo {

// gtest finds printers beside the type.
void PrintTo(const Rgb& c, std::ostream* os) {
  *os << '(' << c.red << ", " << c.green << ", " << c.blue << ')';
}

namespace {

constexpr double kClose = 1e-9;

TEST(ColourHsv, RgbToHsv) {
  struct Case {
    Rgb rgb;
    double hue, saturation, value;
  };
  const Case cases[] = {
      {{255, 0, 0}, 0, 100, 100},
      {{0, 0, 0}, 0, 0, 0},
      {{255, 255, 255}, 0, 0, 100},
      {{0, 255, 0}, 120, 100, 100},
      {{0, 0, 255}, 240, 100, 100},
      {{255, 255, 0}, 60, 100, 100},
      {{0, 255, 255}, 180, 100, 100},
      {{255, 0, 255}, 300, 100, 100},
      {{192, 192, 192}, 0, 0, 192 * 100 / 255.0},
      {{255, 0, 128}, 360 - 60 * 128 / 255.0, 100, 100},  // negative hue wrapped
      {{100, 50, 25}, 20, 75, 100 * 100 / 255.0},
      // Ties go to red, then green.
      {{200, 200, 100}, 60, 50, 200 * 100 / 255.0},
      {{100, 200, 200}, 180, 50, 200 * 100 / 255.0},
      // Outside 0-255 counts as the nearest end.
      {{300, -4, 0}, 0, 100, 100},
  };
  for (const Case& c : cases) {
    const Hsv hsv = RgbToHsv(c.rgb.red, c.rgb.green, c.rgb.blue);
    EXPECT_NEAR(hsv.hue, c.hue, kClose) << testing::PrintToString(c.rgb);
    EXPECT_NEAR(hsv.saturation, c.saturation, kClose) << testing::PrintToString(c.rgb);
    EXPECT_NEAR(hsv.value, c.value, kClose) << testing::PrintToString(c.rgb);
  }
}

TEST(ColourHsv, HsvToRgb) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double hue, saturation, value;
    Rgb expected;
  };
  const Case cases[] = {
      {120, 100, 100, {0, 255, 0}},
      {0, 100, 100, {255, 0, 0}},
      {360, 100, 100, {255, 0, 0}},
      {60, 100, 100, {255, 255, 0}},
      {180, 100, 100, {0, 255, 255}},
      {240, 100, 100, {0, 0, 255}},
      {300, 100, 100, {255, 0, 255}},
      {330, 100, 100, {255, 0, 127}},
      {30, 100, 100, {255, 127, 0}},  // 127.5 truncated
      {240, 50, 100, {127, 127, 255}},
      {0, 0, 50, {127, 127, 127}},
      {77, 0, 100, {255, 255, 255}},  // no saturation: hue plays no part
      {90, 40, 60, {122, 153, 91}},   // 122.4, 153, 91.8
      {0, 0, 192 * 100 / 255.0, {192, 192, 192}},
      // Beyond the ranges.
      {-60, 100, 100, {255, 0, 255}},
      {720, 100, 100, {255, 0, 0}},
      {0, 0, 110, {255, 255, 255}},
      {0, 0, -5, {0, 0, 0}},
      {200, 100, -10, {0, 0, 0}},
      {0, 150, 100, {255, 0, 0}},
      {kNaN, 100, 100, {255, 0, 0}},
      {0, 0, kNaN, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HsvToRgb(c.hue, c.saturation, c.value), c.expected)
        << c.hue << ", " << c.saturation << ", " << c.value;
  }
}

TEST(ColourHsv, RoundTripOverAGrid) {
  constexpr std::array<int, 14> kLevels = {0,   1,   2,   17,  63,  64,  127,
                                           128, 191, 192, 200, 233, 254, 255};
  for (int r : kLevels) {
    for (int g : kLevels) {
      for (int b : kLevels) {
        const Hsv hsv = ColourToHsv(MakeColour(r, g, b));
        ASSERT_GE(hsv.hue, 0);
        ASSERT_LT(hsv.hue, 360);
        ASSERT_EQ(HsvToColour(hsv.hue, hsv.saturation, hsv.value), MakeColour(r, g, b))
            << r << ", " << g << ", " << b;
      }
    }
  }
}

TEST(ColourHsv, ColourComponents) {
  const Colour c = MakeColour(0x12, 0x34, 0x56);
  EXPECT_EQ(c, 0x563412u);
  EXPECT_EQ(Rgb({RedOf(c), GreenOf(c), BlueOf(c)}), Rgb({0x12, 0x34, 0x56}));
}

}  // namespace
}  // namespace orvo
