// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the main window's parts go for a given inner size: the two text
// boxes, the status line, the size grip, the wrap indicator and the toolbar
// filler. All figures are pixels of the window's inner area.
#include <optional>

#include "platform/geometry.h"
#include "toolkit/forms/window_state.h"

namespace orvo {

inline constexpr int kMinOuterWidthPx = 560;
inline constexpr int kMinOuterHeightPx = 240;

// The outer size a normal window is snapped to, or nothing when it fits.
std::optional<Size> SnapOuterSize(Size outer_px, Size screen_px);

struct MainLayout {
  Rect text;               // both text boxes
  int status_top = 0;      // picSTATUS
  bool corner_visible = false;
  Rect corner;             // picCONER
  bool turn_visible = false;
  int turn_left = 0;       // lblTURN
  int turn_top = 0;
  int tool_width = 0;      // cmdTOOL
};

// inner: the inner width and height; wrap: word wrap is on; tool_left: cmdTOOL's left.
MainLayout LayOut(WindowState state, Size inner, bool wrap, int tool_left, const Rect& corner_now);

}  // namespace orvo
