// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of the screen the task bar leaves free, where the window-size
// presets and the secondary windows place themselves.
#include <optional>

#include "platform/geometry.h"

namespace orvo {

// In twips, fixed at start-up.
struct WorkArea {
  int WorkAreaLeft = 0;
  int WorkAreaTop = 0;
  int WorkAreaWidth = 0;
  int WorkAreaHeight = 0;
  bool operator==(const WorkArea&) const = default;
};

// The edge the task bar sits on is judged against half the screen, checked
// right, bottom, top, left in turn; a bar that fits none of them (one that
// covers the screen) leaves the whole screen. The result never reaches past
// the screen, even for a bar placed partly off it.
// The same area as the windows place themselves in it.
struct WorkAreaTwips {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

WorkArea QueryWorkArea(std::optional<Rect> task_bar_px, int screen_w_px, int screen_h_px, int tpp_x,
                       int tpp_y);

}  // namespace orvo
