// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the message box puts its icon, text and buttons, and how big it is:
// plain arithmetic on pixel sizes, with the box's outer size in twips.
#include <vector>

#include "platform/geometry.h"
#include "platform/text.h"

namespace orvo {

namespace message_metrics {
inline constexpr int kIconLeft = 16;
inline constexpr int kIconTop = 8;
inline constexpr int kIconSize = 32;
inline constexpr int kIconTextGap = 16;
inline constexpr int kTextLeft = 64;
inline constexpr int kTextTop = 12;
inline constexpr int kTextTopBesideIcon = 16;  // one line beside an icon sits lower
inline constexpr int kTextRightMargin = 32;
inline constexpr int kButtonWidth = 90;
inline constexpr int kButtonHeight = 22;
inline constexpr int kButtonGap = 8;
inline constexpr int kRowSideMargin = 16;
// Content no wider than this puts a lone button at kOneButtonLeft.
inline constexpr int kOneButtonMinRow = 190;
inline constexpr int kOneButtonLeft = 50;
inline constexpr int kRowBelowText = 20;
inline constexpr int kRowBelowIcon = 8;
inline constexpr int kBelowRow = 34;  // the row's bottom to the box's outer bottom, frame included
inline constexpr int kMinHeightTwips = 1560;
inline constexpr int kMinWidthTwips = 3000;
}  // namespace message_metrics

// Line breaks as the box counts them: every CR, and every CR LF once more.
int CountLineBreaks(ustring_view text);

struct MessageLayoutInput {
  bool icon_shown = false;
  int line_breaks = 0;
  Size text;  // the auto-sized text, pixels
  int button_count = 1;
  int twips_per_pixel_x = 15;
  int twips_per_pixel_y = 15;
};

struct MessageLayout {
  Rect icon;  // the icon's place, kept even while it is hidden
  Rect text;
  int content_width = 0;  // the text's right edge plus its margin
  std::vector<Rect> buttons;
  int row_top = 0;
  int row_width = 0;  // the last button's right edge plus the first one's left
  Size box_twips;
};

// Positions are whole pixels; halves from centring are dropped.
MessageLayout LayOutMessage(const MessageLayoutInput& in);

// A box of the given size centred over an outer rectangle (both in twips).
Rect CentreOver(const Rect& outer, Size box);

}  // namespace orvo
