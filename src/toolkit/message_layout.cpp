// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/message_layout.h"

#include <algorithm>

namespace orvo {

namespace m = message_metrics;

int CountLineBreaks(ustring_view text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r') continue;
    ++count;
    if (i + 1 < text.size() && text[i + 1] == u'\n') ++count;
  }
  return count;
}

namespace {

int FirstButtonLeft(int content_width, int count) {
  if (count == 1) {
    return content_width > m::kOneButtonMinRow ? (content_width - m::kButtonWidth) / 2
                                               : m::kOneButtonLeft;
  }
  const int total = count * m::kButtonWidth + (count - 1) * m::kButtonGap;
  const int room = content_width - 2 * m::kRowSideMargin;
  return total < room ? (room - total) / 2 + m::kRowSideMargin : m::kRowSideMargin;
}

}  // namespace

MessageLayout LayOutMessage(const MessageLayoutInput& in) {
  MessageLayout out;
  out.icon = {m::kIconLeft, m::kIconTop, m::kIconSize, m::kIconSize};

  out.text = {m::kTextLeft, m::kTextTop, in.text.width, in.text.height};
  if (in.icon_shown) {
    out.text.top = in.line_breaks <= 1 ? m::kTextTopBesideIcon : m::kTextTop;
    out.text.left = out.icon.Right() + m::kIconTextGap;
  }
  out.content_width = out.text.Right() + m::kTextRightMargin;

  out.row_top =
      std::max(out.text.Bottom() + m::kRowBelowText, out.icon.Bottom() + m::kRowBelowIcon);
  const int count = std::max(in.button_count, 1);
  int left = FirstButtonLeft(out.content_width, count);
  for (int i = 0; i < count; ++i) {
    out.buttons.push_back({left, out.row_top, m::kButtonWidth, m::kButtonHeight});
    left += m::kButtonWidth + m::kButtonGap;
  }
  out.row_width = out.buttons.back().Right() + out.buttons.front().left;

  out.box_twips.height = std::max(
      (out.row_top + m::kButtonHeight + m::kBelowRow) * in.twips_per_pixel_y, m::kMinHeightTwips);
  out.box_twips.width = std::max(out.row_width * in.twips_per_pixel_x, m::kMinWidthTwips);
  return out;
}

Rect CentreOver(const Rect& outer, Size box) {
  return {outer.left + (outer.width - box.width) / 2, outer.top + (outer.height - box.height) / 2,
          box.width, box.height};
}

}  // namespace orvo
