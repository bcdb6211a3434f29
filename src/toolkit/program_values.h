// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program-wide values fixed at start-up and read by every window.
#include <array>

#include "platform/geometry.h"
#include "platform/text.h"
#include "toolkit/forms/form.h"

namespace orvo {

// Nominal point sizes, in the order of ScaledFontSize.
inline constexpr std::array<int, 11> kNominalFontSizes = {9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26};

struct ProgramValues {
  int TwipsPerPixelX = 15;
  int TwipsPerPixelY = 15;
  int ScreenWidthPx = 0;
  int ScreenHeightPx = 0;
  ustring CommandLine;
  bool OpenFromCommandLine = false;
  std::array<int, 11> ScaledFontSize{};
  ustring AppFolder;
  ustring SettingsPath;

  // The scaled size for a nominal size of the table (9, 10, 11, 18, ...);
  // the nominal size itself for one the table does not hold.
  int FontSize(int nominal) const;
  // A window's place at the origin and outer size in twips, for an inner area
  // of `inner` pixels inside the frame `frame`.
  Rect OuterTwips(Size inner, const forms::FrameInsets& frame) const;
  // A size in pixels as twips, and back (whole pixels, rounded down); a
  // screen that reported no twips per pixel counts one.
  Size Twips(Size pixels) const;
  Size Pixels(Size twips) const;
};

// Each entry is twips_per_pixel_x * n / 15, rounded half to even.
std::array<int, 11> ScaleFontSizes(int twips_per_pixel_x);

}  // namespace orvo
