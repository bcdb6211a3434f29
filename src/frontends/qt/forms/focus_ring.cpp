// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/forms/focus_ring.h"

#include <QPainter>
#include <algorithm>

namespace orvo::qt {

FocusRing::FocusRing(QWidget& window) : QWidget(&window) {
  setObjectName(QStringLiteral("focusRing"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

int FocusRing::ThicknessFor(int line_height) { return std::clamp(line_height / 4, 4, 10); }

void FocusRing::Follow(QWidget* target) {
  target_ = target;
  Refresh();
}

void FocusRing::Refresh() {
  QWidget* window = parentWidget();
  if (target_ == nullptr || window == nullptr || !target_->isVisibleTo(window) || target_->size().isEmpty()) {
    hide();
    return;
  }
  thickness_ = ThicknessFor(target_->fontMetrics().height());
  const QRect around(target_->mapTo(window, QPoint(0, 0)), target_->size());
  // Outside the control where the window has room, so nothing it shows is covered.
  const QRect ring = around.adjusted(-thickness_, -thickness_, thickness_, thickness_) & window->rect();
  if (geometry() != ring) setGeometry(ring);
  // Only the ring itself, which covers the control's edge where the window ends.
  const QRect inside(around.topLeft() - ring.topLeft(), around.size());
  hole_ = QRect(QPoint(inside.left() + thickness_ - (around.left() - ring.left()),
                       inside.top() + thickness_ - (around.top() - ring.top())),
                QPoint(inside.right() - thickness_ + (ring.right() - around.right()),
                       inside.bottom() - thickness_ + (ring.bottom() - around.bottom())));
  setMask(QRegion(rect()) - QRegion(hole_));
  raise();
  show();
  update();
}

void FocusRing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Highlight));
  // A light band outside and a dark one inside: seen on a light or a dark window alike.
  const int band = std::max(1, thickness_ / 4);
  const QColor light = palette().color(QPalette::Base);
  const QColor dark = palette().color(QPalette::WindowText);
  const QRect r = rect();
  for (const QRect& edge : {QRect(r.left(), r.top(), r.width(), band), QRect(r.left(), r.bottom() - band + 1, r.width(), band),
                            QRect(r.left(), r.top(), band, r.height()), QRect(r.right() - band + 1, r.top(), band, r.height())}) {
    p.fillRect(edge, light);
  }
  const QRect h = hole_.adjusted(-band, -band, band, band);
  for (const QRect& edge : {QRect(h.left(), h.top(), h.width(), band), QRect(h.left(), h.bottom() - band + 1, h.width(), band),
                            QRect(h.left(), h.top(), band, h.height()), QRect(h.right() - band + 1, h.top(), band, h.height())}) {
    p.fillRect(edge, dark);
  }
}

}  // namespace orvo::qt
