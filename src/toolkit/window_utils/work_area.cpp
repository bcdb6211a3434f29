// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/work_area.h"

#include <algorithm>

namespace orvo {
namespace {

// In pixels.
Rect FreeOfTaskBar(const Rect& bar, int w, int h) {
  if (bar.left > w / 2) return {0, 0, bar.left, h};
  if (bar.top > h / 2) return {0, 0, w, bar.top};
  if (bar.Bottom() < h / 2) return {0, bar.Bottom(), w, h - bar.Bottom()};
  if (bar.Right() < w / 2) return {bar.Right(), 0, w - bar.Right(), h};
  return {0, 0, w, h};
}

Rect ClipToScreen(const Rect& r, int w, int h) {
  const int left = std::clamp(r.left, 0, w);
  const int top = std::clamp(r.top, 0, h);
  const int right = std::clamp(r.Right(), left, w);
  const int bottom = std::clamp(r.Bottom(), top, h);
  return {left, top, right - left, bottom - top};
}

}  // namespace

WorkArea QueryWorkArea(std::optional<Rect> task_bar_px, int screen_w_px, int screen_h_px, int tpp_x,
                       int tpp_y) {
  const int w = std::max(screen_w_px, 0);
  const int h = std::max(screen_h_px, 0);
  Rect free{0, 0, w, h};
  if (task_bar_px) free = ClipToScreen(FreeOfTaskBar(*task_bar_px, w, h), w, h);
  return {free.left * tpp_x, free.top * tpp_y, free.width * tpp_x, free.height * tpp_y};
}

}  // namespace orvo
