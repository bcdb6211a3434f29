// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A strip of controls at fixed places (the main window's toolbar, its status
// line) in a window narrower than the strip reaches: the controls break into
// rows, as words of a line do. Controls that touch or overlap are one group
// (a caption and its figure, a display and the button over it) and stay
// together; a row breaks only at a gap between groups. Each row after the
// first begins where the strip's first group begins; inside a row the groups
// keep the gaps they had.
#include <QPoint>
#include <QRect>
#include <vector>

namespace orvo::qt {

struct StripRows {
  std::vector<QPoint> places;  // each control's new top left, in the order given
  int rows = 1;
};

// places: where the controls stand in the strip (controls of no size may be
// anywhere and are left where they are); width: the room the strip has;
// row_height: how far one row lies below the one before.
StripRows BreakIntoRows(const std::vector<QRect>& places, int width, int row_height);

}  // namespace orvo::qt
