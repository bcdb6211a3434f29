// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/strip_rows.h"

#include <algorithm>
#include <numeric>

namespace orvo::qt {
namespace {

struct Group {
  int left = 0;
  int right = 0;  // one past the last pixel
  std::vector<std::size_t> members;
};

// The groups of the controls that have a size, left to right.
std::vector<Group> GroupsOf(const std::vector<QRect>& places) {
  std::vector<std::size_t> order(places.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&places](std::size_t a, std::size_t b) {
    return places[a].left() < places[b].left();
  });
  std::vector<Group> groups;
  for (const std::size_t i : order) {
    const QRect& r = places[i];
    if (r.isEmpty()) continue;
    if (groups.empty() || r.left() > groups.back().right) {
      groups.push_back({r.left(), r.left() + r.width(), {i}});
      continue;
    }
    groups.back().right = std::max(groups.back().right, r.left() + r.width());
    groups.back().members.push_back(i);
  }
  return groups;
}

}  // namespace

StripRows BreakIntoRows(const std::vector<QRect>& places, int width, int row_height) {
  StripRows result;
  for (const QRect& r : places) result.places.push_back(r.topLeft());
  const std::vector<Group> groups = GroupsOf(places);
  if (groups.empty()) return result;
  const auto widest =
      std::max_element(groups.begin(), groups.end(),
                       [](const Group& a, const Group& b) { return a.right < b.right; });
  if (widest->right <= width) return result;
  const int start = groups.front().left;
  int shift = 0;  // how far this row's groups move left
  int row = 0;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const Group& group = groups[g];
    // A group that would reach past the edge starts a row; one wider than the strip has a row of
    // its own.
    if (g > 0 && group.right + shift > width) {
      ++row;
      shift = start - group.left;
    }
    for (const std::size_t i : group.members) {
      result.places[i] = places[i].topLeft() + QPoint(shift, row * row_height);
    }
  }
  result.rows = row + 1;
  return result;
}

}  // namespace orvo::qt
