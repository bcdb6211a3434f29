// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/later_scroll_bar.h"

namespace orvo::qt {

LaterScrollBar::LaterScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}

void LaterScrollBar::LetGo() {
  held_ = false;
  if (!changed_) return;
  changed_ = false;
  QScrollBar::sliderChange(SliderValueChange);  // what a change asks for: a repaint
}

void LaterScrollBar::sliderChange(SliderChange change) {
  if (held_) {
    changed_ = true;
    return;
  }
  QScrollBar::sliderChange(change);
}

}  // namespace orvo::qt
