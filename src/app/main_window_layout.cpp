// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window_layout.h"

#include <algorithm>

namespace orvo {
namespace {

constexpr int kTextTop = 32;
constexpr int kTextBottomSpace = 56;  // toolbar above and status line below
constexpr int kStatusHeight = 18;
constexpr int kTurnFrom = 385;        // the wrap indicator sits right of the status figures
constexpr int kTurnSpace = 121;

int TurnLeft(int right_edge) {
  const int n = right_edge - kTurnFrom - kTurnSpace;
  return kTurnFrom + n / 2;
}

}  // namespace

std::optional<Size> SnapOuterSize(Size outer, Size screen) {
  Size snapped = outer;
  snapped.width = std::max(snapped.width, kMinOuterWidthPx);
  snapped.height = std::max(snapped.height, kMinOuterHeightPx);
  snapped.width = std::min(snapped.width, screen.width);
  snapped.height = std::min(snapped.height, screen.height);
  if (snapped == outer) return std::nullopt;
  return snapped;
}

MainLayout LayOut(WindowState state, Size inner, bool wrap, int tool_left, const Rect& corner_now) {
  MainLayout l;
  if (state == WindowState::kMinimized) return l;
  const int w = inner.width;
  const int h = inner.height;
  l.text = {0, kTextTop, w, h - kTextBottomSpace};
  l.status_top = h - kStatusHeight;
  l.tool_width = w - tool_left - 4;
  if (state == WindowState::kNormal) {
    l.corner_visible = true;
    l.corner = {w - 48, h - 22, corner_now.width, corner_now.height};
    if (wrap) {
      l.turn_visible = true;
      l.turn_left = TurnLeft(l.corner.left);
      l.turn_top = l.status_top;
    }
  } else {
    l.corner = corner_now;
    if (wrap) {
      l.turn_visible = true;
      l.turn_left = TurnLeft(w);
      l.turn_top = l.status_top;
    }
  }
  return l;
}

}  // namespace orvo
