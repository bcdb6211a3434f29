// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screen as Windows measures it: its size in pixels and its logical
// pixels per inch (twips per pixel = 1440 / DPI).
#include "platform/screen.h"

namespace orvo::win32 {

class Win32Screen : public Screen {
 public:
  Win32Screen();
  double TwipsPerPixelX() const override { return twips_x_; }
  double TwipsPerPixelY() const override { return twips_y_; }
  double WidthTwips() const override;
  double HeightTwips() const override;
  int BitsPerPixel() const override { return bits_; }

 private:
  double twips_x_ = 15;
  double twips_y_ = 15;
  int bits_ = 32;
};

// Twips per pixel at `dpi` dots per inch; 15 (96 DPI) for a figure that cannot be one.
double TwipsPerPixel(int dpi);

}  // namespace orvo::win32
