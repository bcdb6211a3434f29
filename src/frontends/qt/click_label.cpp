// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/click_label.h"

#include <QMouseEvent>

namespace orvo::qt {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace orvo::qt
