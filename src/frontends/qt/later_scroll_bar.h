// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A scroll bar that can hold back its own repaint: while held, a change of
// its range, page or position is drawn only once it is let go. A key that
// makes a line longer moves the horizontal bar's range, a line end the
// vertical one's; held, the bar is painted after the text has reached the
// screen instead of in the same pass, which on a long document would hold
// the typed character back.
#include <QScrollBar>

namespace orvo::qt {

class LaterScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit LaterScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

  void Hold() { held_ = true; }
  // Asks for the repaint held back, if any.
  void LetGo();

 protected:
  void sliderChange(SliderChange change) override;

 private:
  bool held_ = false;
  bool changed_ = false;  // a change came while held
};

}  // namespace orvo::qt
