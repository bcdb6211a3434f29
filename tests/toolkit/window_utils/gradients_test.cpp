// SPDX-License-Identifier: GPL-3.0-or-later
// The button and splash gradients from the desktop's button colour: the
// shades computed for a grey, a saturated colour and black, and the rows of
// the pictures drawn from them.
#include "toolkit/window_utils/gradients.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

Colour Grey(int level) { return MakeColour(level, level, level); }

TEST(Gradients, AGreyFaceBrightensToRowSevenThenDarkens) {
  // 192 is a value of 75.3 %: 72.3 % at the top, 79.3 % at row 7, 61.3 % at the bottom.
  const auto rows = ButtonGradient(Grey(192));
  EXPECT_EQ(rows[0], Grey(184));
  EXPECT_EQ(rows[3], Grey(192));  // the face itself
  EXPECT_EQ(rows[6], Grey(199));
  EXPECT_EQ(rows[7], Grey(202));
  EXPECT_EQ(rows[25], Grey(156));
  for (int k = 1; k <= 7; ++k) EXPECT_GT(RedOf(rows[k]), RedOf(rows[k - 1])) << k;
  for (int k = 8; k < kButtonRows; ++k) EXPECT_LT(RedOf(rows[k]), RedOf(rows[k - 1])) << k;
  const auto shades = SplashGradient(Grey(192));
  EXPECT_EQ(shades[0], Grey(197));   // 77.3 %
  EXPECT_EQ(shades[2], Grey(192));
  EXPECT_EQ(shades[20], Grey(146));  // 57.3 %
}

TEST(Gradients, ASaturatedFaceKeepsItsHueAndClampsAtFullBrightness) {
  const Colour red = MakeColour(255, 0, 0);
  const auto rows = ButtonGradient(red);
  EXPECT_EQ(rows[3], red);
  EXPECT_EQ(rows[7], red);  // 104 % is as bright as red goes
  for (const Colour c : rows) {
    EXPECT_EQ(GreenOf(c), 0);
    EXPECT_EQ(BlueOf(c), 0);
  }
  EXPECT_EQ(RedOf(rows[25]), 219);  // 86 %
  // A dark face goes below 0 % at the bottom: black, never a wrapped colour.
  const auto dark = ButtonGradient(Grey(20));
  EXPECT_EQ(dark[25], kBlack);
  EXPECT_EQ(SplashGradient(Grey(20))[20], kBlack);
}

TEST(Gradients, ABlackFaceDrawsNothing) {
  EXPECT_EQ(ButtonFaceImage(kBlack, 80).Width(), 0);
  EXPECT_EQ(SplashBackground(kBlack).Width(), 0);
}

TEST(Gradients, TheButtonPictureHasOneGradientColourPerRow) {
  const Colour face = MakeColour(212, 208, 200);
  const Bitmap picture = ButtonFaceImage(face, 80);
  ASSERT_EQ(picture.Width(), 80);
  ASSERT_EQ(picture.Height(), kButtonRows);
  const auto rows = ButtonGradient(face);
  for (int y = 0; y < kButtonRows; ++y) {
    EXPECT_EQ(picture.Pixel(0, y), rows[y]) << y;
    EXPECT_EQ(picture.Pixel(79, y), rows[y]) << y;
  }
}

TEST(Gradients, TheSplashIsLightestInItsMiddleBand) {
  const Colour face = Grey(192);
  const Bitmap picture = SplashBackground(face);
  ASSERT_EQ(picture.Width(), kSplashWidth);
  ASSERT_EQ(picture.Height(), kSplashHeight);
  const auto shades = SplashGradient(face);
  EXPECT_EQ(picture.Pixel(0, 0), shades[20]);
  EXPECT_EQ(picture.Pixel(298, 2), shades[19]);  // (61 - 2) div 3
  EXPECT_EQ(picture.Pixel(0, 59), shades[0]);
  EXPECT_EQ(picture.Pixel(150, 60), shades[0]);
  EXPECT_EQ(picture.Pixel(150, 117), shades[0]);
  EXPECT_EQ(picture.Pixel(0, 118), shades[0]);
  EXPECT_EQ(picture.Pixel(0, 121), shades[1]);
  EXPECT_EQ(picture.Pixel(298, 177), shades[20]);
}

}  // namespace
}  // namespace orvo
