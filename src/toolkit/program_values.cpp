// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/program_values.h"

#include <algorithm>
#include <cmath>

namespace orvo {

std::array<int, 11> ScaleFontSizes(int twips_per_pixel_x) {
  std::array<int, 11> sizes{};
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const double exact = static_cast<double>(twips_per_pixel_x) * kNominalFontSizes[i] / 15.0;
    sizes[i] = static_cast<int>(std::nearbyint(exact));  // the default mode rounds halves to even
  }
  return sizes;
}

int ProgramValues::FontSize(int nominal) const {
  for (std::size_t i = 0; i < kNominalFontSizes.size(); ++i) {
    if (kNominalFontSizes[i] == nominal) return ScaledFontSize[i];
  }
  return nominal;
}

Rect ProgramValues::OuterTwips(Size inner, const forms::FrameInsets& frame) const {
  const Size outer = Twips({inner.width + frame.left + frame.right, inner.height + frame.top + frame.bottom});
  return {0, 0, outer.width, outer.height};
}

Size ProgramValues::Twips(Size pixels) const {
  return {pixels.width * std::max(1, TwipsPerPixelX), pixels.height * std::max(1, TwipsPerPixelY)};
}

Size ProgramValues::Pixels(Size twips) const {
  return {twips.width / std::max(1, TwipsPerPixelX), twips.height / std::max(1, TwipsPerPixelY)};
}

}  // namespace orvo
