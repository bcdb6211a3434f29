// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a scroll area has laid out its scroll bars and viewport, and what that
// layout rests on. Qt lays a scroll area out again on every layout request it
// is sent (a child shown, hidden or changing its size hint asks for one), and
// in doing so restacks both scroll bars, which repaints them even when
// nothing moved. Two equal snapshots say that a new layout would give the
// same one.
#include <QAbstractScrollArea>
#include <QMargins>
#include <QRect>
#include <QSize>

namespace orvo::qt {

struct ScrollLayout {
  // What the layout is made from.
  QSize size;
  QMargins contents_margins;
  QMargins viewport_margins;
  int frame_style = 0;
  int line_width = 0;
  int mid_line_width = 0;
  Qt::LayoutDirection direction = Qt::LeftToRight;
  Qt::ScrollBarPolicy horizontal_policy = Qt::ScrollBarAsNeeded;
  Qt::ScrollBarPolicy vertical_policy = Qt::ScrollBarAsNeeded;
  QSize horizontal_hint;
  QSize vertical_hint;
  bool horizontal_scrolls = false;  // a range to scroll over: an as-needed bar shows
  bool vertical_scrolls = false;
  const QWidget* corner = nullptr;
  // What it gave.
  QRect frame;
  QRect viewport;
  QRect horizontal_bar;  // the bar's holder in the area
  QRect vertical_bar;
  bool horizontal_shown = false;
  bool vertical_shown = false;

  bool operator==(const ScrollLayout&) const = default;
};

// `viewport_margins` is the area's own (a protected property of it).
ScrollLayout ScrollLayoutOf(const QAbstractScrollArea& area, QMargins viewport_margins);

}  // namespace orvo::qt
