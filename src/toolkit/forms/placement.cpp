// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/placement.h"

namespace orvo::forms {
namespace {

// The start of a span of `length` centred over [start, start + over), pulled
// back inside [limit, limit + room) from the far side first, then the near side.
int Centre(int start, int over, int length, int limit, int room) {
  int at = start + (over - length) / 2;
  if (at + length > limit + room) at = limit + room - length;
  if (at < limit) at = limit;
  return at;
}

}  // namespace

Rect CentredOver(const Rect& over, Size size, const Rect& screen) {
  return {Centre(over.left, over.width, size.width, screen.left, screen.width),
          Centre(over.top, over.height, size.height, screen.top, screen.height), size.width,
          size.height};
}

}  // namespace orvo::forms
