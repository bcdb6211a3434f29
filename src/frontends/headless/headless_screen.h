// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A screen of any size, resolution and colour depth, for tests and scripts.
#include "platform/screen.h"

namespace orvo::headless {

class HeadlessScreen : public Screen {
 public:
  double TwipsPerPixelX() const override { return tpp_x; }
  double TwipsPerPixelY() const override { return tpp_y; }
  double WidthTwips() const override { return width_px * tpp_x; }
  double HeightTwips() const override { return height_px * tpp_y; }
  double DevicePixelRatio() const override { return device_pixel_ratio; }
  int BitsPerPixel() const override { return bits_per_pixel; }

  double tpp_x = 15;
  double tpp_y = 15;
  int width_px = 1024;
  int height_px = 768;
  int bits_per_pixel = 32;
  double device_pixel_ratio = 1.0;
};

}  // namespace orvo::headless
