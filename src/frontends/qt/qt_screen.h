// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real screen: its size, resolution and colour depth from the primary
// QScreen (a screen of 1024 x 768 at 96 dpi when there is none).
#include "platform/screen.h"

namespace orvo::qt {

class QtScreen : public Screen {
 public:
  double TwipsPerPixelX() const override;
  double TwipsPerPixelY() const override;
  double WidthTwips() const override;
  double HeightTwips() const override;
  double DevicePixelRatio() const override;
  int BitsPerPixel() const override;
};

}  // namespace orvo::qt
