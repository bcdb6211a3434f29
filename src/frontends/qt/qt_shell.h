// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop around the program: the task bar (whatever panel keeps the
// screen's available area smaller than the screen) and the mouse pointer.
#include <QRect>

#include "platform/shell.h"

namespace orvo::qt {

// The band of the screen outside its available area, on the side where it is
// widest; none when the whole screen is available.
std::optional<Rect> BandOutside(const QRect& screen, const QRect& available);

class QtShell : public Shell {
 public:
  std::optional<Rect> TaskBarRect() const override;
  ustring SystemFolder() const override { return u"/usr/share"; }
  // The application palette's button colour.
  std::uint32_t ButtonFace() const override;
  int MousePointer() const override { return pointer_; }
  void SetMousePointer(int pointer) override;

 private:
  int pointer_ = mouse_pointer::kDefault;
};

}  // namespace orvo::qt
