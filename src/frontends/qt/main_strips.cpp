// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/main_strips.h"

#include <QWidget>
#include <algorithm>
#include <vector>

#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/forms/widget_peers.h"
#include "frontends/qt/strip_rows.h"

namespace orvo::qt {
namespace {

constexpr char kToolbar[] = "picBAR";
constexpr char kStatusLine[] = "picSTATUS";
constexpr char kWrapNotice[] = "lblTURN";  // on the status line, but a control of the window
constexpr char kSizeGrip[] = "picCONER";
constexpr int kGap = 6;  // between the status line's last figure and the wrap notice

struct Strip {
  QWidget* widget = nullptr;
  std::vector<QWidget*> members;
  std::vector<QRect> places;  // the model's, in the strip
};

Strip StripOf(const FormView& inner, const char* name) {
  Strip strip;
  strip.widget = inner.WidgetOf(name);
  if (strip.widget == nullptr) return strip;
  for (QWidget* child : strip.widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const WidgetPeer* peer = PeerOfWidget(child);
    if (peer == nullptr) continue;
    strip.members.push_back(child);
    // A hidden control takes no room, and stays where it is.
    const QRect model = peer->ModelBounds();
    strip.places.push_back(child->isHidden() ? QRect(model.topLeft(), QSize()) : model);
  }
  return strip;
}

// Puts the members at their places and the strip at its height; the extra height it took.
int Apply(Strip& strip, const StripRows& rows, bool grows_up) {
  for (std::size_t i = 0; i < strip.members.size(); ++i) {
    if (strip.members[i]->pos() != rows.places[i]) strip.members[i]->move(rows.places[i]);
  }
  const QRect model = PeerOfWidget(strip.widget)->ModelBounds();
  const int extra = (rows.rows - 1) * model.height();
  QRect at = strip.widget->geometry();
  at.setHeight(model.height() + extra);
  if (grows_up) at.moveTop(model.top() - extra);
  if (strip.widget->geometry() != at) strip.widget->setGeometry(at);
  return extra;
}

int LayOutToolbar(const FormView& inner) {
  Strip bar = StripOf(inner, kToolbar);
  if (bar.widget == nullptr) return 0;
  const int row_height = PeerOfWidget(bar.widget)->ModelBounds().height();
  return Apply(bar, BreakIntoRows(bar.places, bar.widget->width(), row_height), false);
}

int LayOutStatusLine(const FormView& inner) {
  Strip line = StripOf(inner, kStatusLine);
  if (line.widget == nullptr) return 0;
  const QRect model = PeerOfWidget(line.widget)->ModelBounds();
  int room = line.widget->width();
  // The size grip stands over the line's right end.
  if (const QWidget* grip = inner.WidgetOf(kSizeGrip); grip != nullptr && !grip->isHidden()) {
    room = std::min(room, grip->x());
  }
  QWidget* notice = inner.WidgetOf(kWrapNotice);
  const WidgetPeer* notice_peer = notice != nullptr ? PeerOfWidget(notice) : nullptr;
  if (notice_peer == nullptr || notice->isHidden())
    return Apply(line, BreakIntoRows(line.places, room, model.height()), true);
  // The wrap notice stands after the line's figures, never over them: where
  // the window has no room for it there, it goes on a row of its own.
  int last = 0;
  for (const QRect& r : line.places) last = std::max(last, r.isEmpty() ? 0 : r.right() + 1);
  QRect place = notice_peer->ModelBounds().translated(0, -model.top());
  place.moveLeft(std::max(place.left(), last + kGap));
  line.places.push_back(place);
  StripRows rows = BreakIntoRows(line.places, room, model.height());
  line.places.pop_back();
  const QPoint in_line = rows.places.back();
  rows.places.pop_back();
  const int extra = Apply(line, rows, true);
  const QPoint at = in_line + QPoint(0, model.top() - extra);
  if (notice->pos() != at) notice->move(at);
  return extra;
}

}  // namespace

StripRoom LayOutStrips(const FormView& inner) {
  return {LayOutToolbar(inner), LayOutStatusLine(inner)};
}

}  // namespace orvo::qt
