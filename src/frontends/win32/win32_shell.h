// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop around the program on Windows: the task bar, the Windows
// folder, the button-face colour and the hourglass pointer.
#include "platform/shell.h"

namespace orvo::win32 {

class Win32Shell : public Shell {
 public:
  std::optional<Rect> TaskBarRect() const override;
  ustring SystemFolder() const override;
  std::uint32_t ButtonFace() const override;
  int MousePointer() const override { return pointer_; }
  void SetMousePointer(int pointer) override;

 private:
  int pointer_ = mouse_pointer::kDefault;
};

}  // namespace orvo::win32
