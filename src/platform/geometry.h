// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Points, sizes and rectangles of windows and controls.
namespace orvo {

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

}  // namespace orvo
