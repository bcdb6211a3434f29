// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/window_pixels.h"

#include <cmath>

#include "toolkit/forms/forms_runtime.h"

namespace orvo::frontend {
namespace {

// A screen that gives no scale has the common 15 twips to the pixel.
constexpr double kUsualTwips = 15;

double PerPixel(double twips) { return twips > 0 ? twips : kUsualTwips; }

int ToPixels(int twips, double per_pixel) { return static_cast<int>(twips / per_pixel); }

int ToTwips(int px, double per_pixel) { return static_cast<int>(std::lround(px * per_pixel)); }

}  // namespace

Rect OuterPixels(const forms::Form& form) {
  const Screen& screen = form.Runtime().screen();
  const double tx = PerPixel(screen.TwipsPerPixelX());
  const double ty = PerPixel(screen.TwipsPerPixelY());
  const Rect& t = form.OuterTwips();
  return {ToPixels(t.left, tx), ToPixels(t.top, ty), ToPixels(t.width, tx), ToPixels(t.height, ty)};
}

Rect OuterTwips(const forms::Form& form, const Rect& px) {
  const Screen& screen = form.Runtime().screen();
  const double tx = PerPixel(screen.TwipsPerPixelX());
  const double ty = PerPixel(screen.TwipsPerPixelY());
  return {ToTwips(px.left, tx), ToTwips(px.top, ty), ToTwips(px.width, tx), ToTwips(px.height, ty)};
}

}  // namespace orvo::frontend
