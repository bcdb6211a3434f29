// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that reports a click, as the mode label does.
#include <QLabel>

namespace orvo::qt {

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace orvo::qt
