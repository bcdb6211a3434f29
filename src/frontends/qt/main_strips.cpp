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

using Strip = StripLayout::Strip;

// The strip's drawn controls and their places, into vectors kept from the last time.
void ReadStrip(const FormView& inner, const char* name, Strip& strip) {
  strip.widget = inner.WidgetOf(name);
  strip.members.clear();
  strip.places.clear();
  if (strip.widget == nullptr) return;
  for (QObject* object : strip.widget->children()) {
    if (!object->isWidgetType()) continue;
    auto* child = static_cast<QWidget*>(object);
    const WidgetPeer* peer = PeerOfWidget(child);
    if (peer == nullptr) continue;
    strip.members.push_back(child);
    // A hidden control takes no room, and stays where it is.
    const QRect model = peer->ModelBounds();
    strip.places.push_back(child->isHidden() ? QRect(model.topLeft(), QSize()) : model);
  }
}

void Note(std::vector<int>& into, const QRect& r) {
  into.insert(into.end(), {r.x(), r.y(), r.width(), r.height()});
}

// What a strip's layout is made from: its width and model place, and each
// control's place and where it stands now (a control the window moved since is laid out again).
void NoteStrip(std::vector<int>& into, const Strip& strip) {
  if (strip.widget == nullptr) return;
  Note(into, strip.widget->geometry());
  Note(into, PeerOfWidget(strip.widget)->ModelBounds());
  for (std::size_t i = 0; i < strip.members.size(); ++i) {
    Note(into, strip.places[i]);
    Note(into, strip.members[i]->geometry());
  }
}

void NoteWidget(std::vector<int>& into, const QWidget* widget) {
  const WidgetPeer* peer = widget != nullptr ? PeerOfWidget(widget) : nullptr;
  if (peer == nullptr) return;
  into.push_back(widget->isHidden() ? 1 : 0);
  Note(into, widget->geometry());
  Note(into, peer->ModelBounds());
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

int LayOutToolbar(Strip& bar) {
  if (bar.widget == nullptr) return 0;
  const int row_height = PeerOfWidget(bar.widget)->ModelBounds().height();
  return Apply(bar, BreakIntoRows(bar.places, bar.widget->width(), row_height), false);
}

int LayOutStatusLine(const FormView& inner, Strip& line) {
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

StripRoom StripLayout::LayOut(const FormView& inner) {
  ReadStrip(inner, kToolbar, bar_);
  ReadStrip(inner, kStatusLine, line_);
  Look(inner, looking_);
  if (looking_ == seen_) return room_;
  room_ = {LayOutToolbar(bar_), LayOutStatusLine(inner, line_)};
  // What it stands on now, once laid out: the next look finds it unchanged.
  Look(inner, seen_);
  return room_;
}

void StripLayout::Look(const FormView& inner, std::vector<int>& into) const {
  into.clear();
  NoteStrip(into, bar_);
  NoteStrip(into, line_);
  NoteWidget(into, inner.WidgetOf(kSizeGrip));
  NoteWidget(into, inner.WidgetOf(kWrapNotice));
}

}  // namespace orvo::qt
