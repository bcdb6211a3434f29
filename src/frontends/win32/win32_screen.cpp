// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/win32_screen.h"

#include "frontends/win32/win32_api.h"

namespace orvo::win32 {

double TwipsPerPixel(int dpi) { return dpi > 0 ? 1440.0 / dpi : 15.0; }

Win32Screen::Win32Screen() {
  HDC dc = GetDC(nullptr);
  if (dc == nullptr) return;
  twips_x_ = TwipsPerPixel(GetDeviceCaps(dc, LOGPIXELSX));
  twips_y_ = TwipsPerPixel(GetDeviceCaps(dc, LOGPIXELSY));
  bits_ = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  ReleaseDC(nullptr, dc);
}

double Win32Screen::WidthTwips() const { return GetSystemMetrics(SM_CXSCREEN) * twips_x_; }

double Win32Screen::HeightTwips() const { return GetSystemMetrics(SM_CYSCREEN) * twips_y_; }

}  // namespace orvo::win32
