// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/window_utils/wait_cursor.h"

#include <algorithm>

namespace orvo {

void WaitCursor::Show(WindowHandle window) {
  if (!shown_) {
    shown_ = true;
    saved_pointer_ = shell_.MousePointer();
  }
  if (shell_.MousePointer() != mouse_pointer::kHourglass) {
    shell_.SetMousePointer(mouse_pointer::kHourglass);
  }
  if (window == 0 || std::find(disabled_.begin(), disabled_.end(), window) != disabled_.end()) {
    return;
  }
  enabler_.SetWindowEnabled(window, false);
  disabled_.push_back(window);
}

void WaitCursor::Hide() {
  if (!shown_) return;
  shown_ = false;
  if (shell_.MousePointer() != saved_pointer_) shell_.SetMousePointer(saved_pointer_);
  // Latest first, undoing in the reverse order of Show.
  while (!disabled_.empty()) {
    enabler_.SetWindowEnabled(disabled_.back(), true);
    disabled_.pop_back();
  }
}

}  // namespace orvo
