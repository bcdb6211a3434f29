// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hourglass over a slow operation, with the window it runs in disabled
// so the user cannot start another; both come back when the object goes,
// however the operation ends.
#include <vector>

#include "toolkit/window_utils/window_enabler.h"
#include "platform/shell.h"

namespace orvo {

class WaitCursor {
 public:
  WaitCursor(Shell& shell, WindowEnabler& enabler) : shell_(shell), enabler_(enabler) {}
  ~WaitCursor() { Hide(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

  // Shows the hourglass and disables window (0: none). Shown again before
  // Hide, it keeps the pointer it saved first and adds the new window.
  void Show(WindowHandle window);
  // Puts back the pointer in effect at Show and enables the windows again.
  // Without a Show since the last Hide, it touches nothing.
  void Hide();

 private:
  Shell& shell_;
  WindowEnabler& enabler_;
  bool shown_ = false;
  int saved_pointer_ = mouse_pointer::kDefault;
  std::vector<WindowHandle> disabled_;
};

}  // namespace orvo
