// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/scroll_layout.h"

#include <QScrollBar>

namespace orvo::qt {
namespace {

// The bar's holder: the area lays that out, not the bar.
const QWidget& HolderOf(const QScrollBar& bar) {
  if (const QWidget* holder = bar.parentWidget()) return *holder;
  return bar;
}

}  // namespace

ScrollLayout ScrollLayoutOf(const QAbstractScrollArea& area, QMargins viewport_margins) {
  const QScrollBar& h = *area.horizontalScrollBar();
  const QScrollBar& v = *area.verticalScrollBar();
  ScrollLayout l;
  l.size = area.size();
  l.contents_margins = area.contentsMargins();
  l.viewport_margins = viewport_margins;
  l.frame_style = area.frameStyle();
  l.line_width = area.lineWidth();
  l.mid_line_width = area.midLineWidth();
  l.direction = area.layoutDirection();
  l.horizontal_policy = area.horizontalScrollBarPolicy();
  l.vertical_policy = area.verticalScrollBarPolicy();
  l.horizontal_hint = h.sizeHint();
  l.vertical_hint = v.sizeHint();
  l.horizontal_scrolls = h.minimum() < h.maximum();
  l.vertical_scrolls = v.minimum() < v.maximum();
  l.corner = area.cornerWidget();
  l.frame = area.frameRect();
  l.viewport = area.viewport()->geometry();
  l.horizontal_bar = HolderOf(h).geometry();
  l.vertical_bar = HolderOf(v).geometry();
  l.horizontal_shown = HolderOf(h).isVisibleTo(&area);
  l.vertical_shown = HolderOf(v).isVisibleTo(&area);
  return l;
}

}  // namespace orvo::qt
