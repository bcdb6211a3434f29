// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/gradients.h"

#include "toolkit/window_utils/colour_hsv.h"

namespace orvo {
namespace {

// The colour of `face` with its value moved by `offset` percent; values
// beyond 0-100 % give black or the brightest the hue allows.
Colour Shade(const Hsv& face, int offset) {
  return HsvToColour(face.hue, face.saturation, face.value + offset);
}

void Row(Bitmap& picture, int y, Colour colour) {
  for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, colour);
}

}  // namespace

std::array<Colour, kButtonRows> ButtonGradient(Colour face) {
  const Hsv hsv = ColourToHsv(face);
  std::array<Colour, kButtonRows> rows{};
  for (int k = 0; k < kButtonRows; ++k) rows[static_cast<std::size_t>(k)] = Shade(hsv, k <= 6 ? k - 3 : 11 - k);
  return rows;
}

std::array<Colour, kSplashShades> SplashGradient(Colour face) {
  const Hsv hsv = ColourToHsv(face);
  std::array<Colour, kSplashShades> shades{};
  for (int k = 0; k < kSplashShades; ++k) shades[static_cast<std::size_t>(k)] = Shade(hsv, 2 - k);
  return shades;
}

Bitmap ButtonFaceImage(Colour face, int width) {
  if (face == 0 || width <= 0) return {};
  const auto rows = ButtonGradient(face);
  Bitmap picture(width, kButtonRows, PixelFormat::kColour, rows[0]);
  for (int k = 0; k < kButtonRows; ++k) Row(picture, k, rows[static_cast<std::size_t>(k)]);
  return picture;
}

Bitmap SplashBackground(Colour face) {
  if (face == 0) return {};
  const auto shades = SplashGradient(face);
  Bitmap picture(kSplashWidth, kSplashHeight, PixelFormat::kColour, shades[0]);
  for (int y = 0; y < 60; ++y) Row(picture, y, shades[static_cast<std::size_t>((61 - y) / 3)]);
  for (int y = 118; y < kSplashHeight; ++y) Row(picture, y, shades[static_cast<std::size_t>((y - 118 + 2) / 3)]);
  return picture;
}

}  // namespace orvo
