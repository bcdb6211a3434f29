// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop around the program: the task bar, the system folder, the mouse
// pointer shown over the program's windows.
#include <cstdint>
#include <optional>

#include "platform/geometry.h"
#include "platform/text.h"

namespace orvo {

namespace mouse_pointer {
inline constexpr int kDefault = 0;
inline constexpr int kHourglass = 11;
}  // namespace mouse_pointer

class Shell {
 public:
  virtual ~Shell() = default;
  // The task bar's rectangle in pixels (left, top, width, height), if there is one.
  virtual std::optional<Rect> TaskBarRect() const = 0;
  // The system folder (the Windows folder on Windows); empty when it cannot be had.
  virtual ustring SystemFolder() const = 0;
  // The desktop's colour for button faces (red + 256 × green + 65536 × blue).
  virtual std::uint32_t ButtonFace() const = 0;
  virtual int MousePointer() const = 0;
  virtual void SetMousePointer(int pointer) = 0;
};

}  // namespace orvo
