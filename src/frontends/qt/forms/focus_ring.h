// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thick ring around the control that has the keyboard, drawn over the
// window by the window itself: the style's own focus mark is a thin dotted
// line shown only after Tab, and the program moves the keyboard itself.
// It takes no clicks and no keyboard; it grows with the text it surrounds.
#include <QPointer>
#include <QWidget>

namespace orvo::qt {

class FocusRing : public QWidget {
 public:
  explicit FocusRing(QWidget& window);

  // Rings `target` (a widget inside the window; null: none).
  void Follow(QWidget* target);
  // The target moved, changed size or was shown or hidden.
  void Refresh();
  QWidget* Target() const { return target_; }
  // How thick the ring is around text whose lines are `line_height` high.
  static int ThicknessFor(int line_height);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointer<QWidget> target_;
  int thickness_ = 3;
  QRect hole_;  // where the control shows through
};

}  // namespace orvo::qt
