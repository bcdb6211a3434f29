// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The screen object and the desktop's device context.
namespace orvo {

class Screen {
 public:
  virtual ~Screen() = default;
  virtual double TwipsPerPixelX() const = 0;
  virtual double TwipsPerPixelY() const = 0;
  virtual double WidthTwips() const = 0;
  virtual double HeightTwips() const = 0;
  // Device pixels per pixel of the figures above: 2 on a desktop scaled to
  // twice the size, whose screen then has twice the pixels it reports.
  virtual double DevicePixelRatio() const { return 1.0; }
  // Bits per pixel of the desktop window's device context.
  virtual int BitsPerPixel() const = 0;
};

}  // namespace orvo
