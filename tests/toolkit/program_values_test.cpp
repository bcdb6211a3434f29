// SPDX-License-Identifier: GPL-3.0-or-later
// Pixels and twips: every window sizes itself through these, so a screen of
// another density, or one that reports nothing, must not break them.
#include "toolkit/program_values.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

TEST(ProgramValues, PixelsAndTwipsFollowTheScreensDensity) {
  ProgramValues v;
  v.TwipsPerPixelX = 12;  // 120 dpi
  v.TwipsPerPixelY = 12;
  EXPECT_EQ(v.Twips({580, 420}), (Size{6960, 5040}));
  EXPECT_EQ(v.Pixels(v.Twips({580, 420})), (Size{580, 420}));
  EXPECT_EQ(v.Pixels({6971, 5039}), (Size{580, 419}));  // part of a pixel is no pixel
  // The outer size is the inner area with its frame, in the same twips.
  EXPECT_EQ(v.OuterTwips({100, 50}, {4, 23, 4, 4}), (Rect{0, 0, 108 * 12, 77 * 12}));
}

TEST(ProgramValues, AScreenThatReportsNoDensityCountsOneTwipAPixel) {
  ProgramValues v;
  v.TwipsPerPixelX = 0;
  v.TwipsPerPixelY = -15;
  EXPECT_EQ(v.Twips({580, 420}), (Size{580, 420}));
  EXPECT_EQ(v.Pixels({580, 420}), (Size{580, 420}));
}

}  // namespace
}  // namespace orvo
