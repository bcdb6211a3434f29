// SPDX-License-Identifier: GPL-3.0-or-later
// Breaking a strip of controls into rows: groups stay whole, rows begin where
// the strip begins, nothing passes the edge that could stand inside it.
#include "frontends/qt/strip_rows.h"

#include <gtest/gtest.h>

namespace orvo::qt {
namespace {

// The status line as the main window's model lays it out: captions and their figures.
const std::vector<QRect> kStatusLine = {
    {4, 3, 96, 14},   {100, 1, 42, 16}, {142, 2, 26, 14}, {174, 3, 36, 14}, {210, 1, 36, 16},
    {250, 3, 48, 14}, {298, 1, 36, 16}, {338, 3, 24, 14}, {362, 1, 40, 16},
};

TEST(StripRows, AStripThatFitsStaysAsItIs) {
  const StripRows rows = BreakIntoRows(kStatusLine, 402, 18);
  EXPECT_EQ(rows.rows, 1);
  for (std::size_t i = 0; i < kStatusLine.size(); ++i)
    EXPECT_EQ(rows.places[i], kStatusLine[i].topLeft());
}

TEST(StripRows, ANarrowWindowBreaksAtTheGapsAndKeepsEachCaptionWithItsFigure) {
  const StripRows rows = BreakIntoRows(kStatusLine, 340, 18);
  ASSERT_EQ(rows.rows, 2);
  // The first row keeps its places; the size and line count stand on it.
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(rows.places[i], kStatusLine[i].topLeft()) << i;
  // The column caption and its figure, together, begin the second row where the line begins.
  EXPECT_EQ(rows.places[7], QPoint(4, 21));
  EXPECT_EQ(rows.places[8], QPoint(28, 19));
  for (std::size_t i = 0; i < kStatusLine.size(); ++i) {
    EXPECT_LE(rows.places[i].x() + kStatusLine[i].width(), 340) << i;
  }
  // Narrower still: three rows, each group whole and inside.
  const StripRows three = BreakIntoRows(kStatusLine, 180, 18);
  EXPECT_EQ(three.rows, 3);
  EXPECT_EQ(three.places[1].x() - three.places[0].x(), 96);  // size caption and figure
  EXPECT_EQ(three.places[1].y(), three.places[0].y() - 2);
  EXPECT_EQ(three.places[4].x() - three.places[3].x(), 36);
  for (std::size_t i = 0; i < kStatusLine.size(); ++i) {
    EXPECT_LE(three.places[i].x() + kStatusLine[i].width(), 180) << i;
  }
}

TEST(StripRows, OverlappingControlsMoveTogetherAndHiddenOnesStay) {
  // A display and the button lying over it, a button before them, one hidden far right.
  const std::vector<QRect> bar = {
      {2, 2, 160, 24}, {344, 4, 76, 20}, {420, 2, 26, 24}, {342, 2, 106, 24}, {450, 2, 0, 24}};
  const StripRows rows = BreakIntoRows(bar, 400, 29);
  ASSERT_EQ(rows.rows, 2);
  EXPECT_EQ(rows.places[3], QPoint(2, 31));
  EXPECT_EQ(rows.places[1], QPoint(4, 33));
  EXPECT_EQ(rows.places[2], QPoint(80, 31));
  EXPECT_EQ(rows.places[4], QPoint(450, 2));
}

TEST(StripRows, AGroupWiderThanTheStripTakesARowOfItsOwn) {
  const std::vector<QRect> wide = {{0, 0, 50, 10}, {60, 0, 300, 10}, {370, 0, 20, 10}};
  const StripRows rows = BreakIntoRows(wide, 200, 10);
  EXPECT_EQ(rows.rows, 3);
  EXPECT_EQ(rows.places[0], QPoint(0, 0));
  EXPECT_EQ(rows.places[1], QPoint(0, 10));
  EXPECT_EQ(rows.places[2], QPoint(0, 20));
}

}  // namespace
}  // namespace orvo::qt
