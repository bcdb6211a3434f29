// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Enabling and disabling a window by its handle, as the wait cursor needs.
#include "platform/edit_control.h"

namespace orvo {

class WindowEnabler {
 public:
  virtual ~WindowEnabler() = default;
  virtual void SetWindowEnabled(WindowHandle window, bool enabled) = 0;
};

}  // namespace orvo
