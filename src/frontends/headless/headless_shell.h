// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop around a headless program: a task bar where a test puts it, a
// fixed system folder, the mouse pointer as a number.
#include "platform/font_metrics.h"
#include "platform/shell.h"

namespace orvo::headless {

class HeadlessShell : public Shell {
 public:
  std::optional<Rect> TaskBarRect() const override { return task_bar; }
  ustring SystemFolder() const override { return system_folder; }
  std::uint32_t ButtonFace() const override { return button_face; }
  int MousePointer() const override { return pointer; }
  void SetMousePointer(int p) override { pointer = p; }

  std::optional<Rect> task_bar;
  ustring system_folder = u"/usr/share";
  int pointer = mouse_pointer::kDefault;
  std::uint32_t button_face = 0xC0C0C0;  // the classic grey
};

// Text measured as a fixed-pitch Japanese font would set it: a full-width
// character is as wide as the font is high in pixels, a half-width one half
// of that; a line is 4/3 of the size high. The few proportional families
// (kProportionalFamilies) set narrow and wide letters narrower and wider.
// Deterministic for tests.
class HeadlessFontMetrics : public FontMetrics {
 public:
  static constexpr const char16_t* kProportionalFamilies[] = {u"IPAPGothic", u"DejaVu Sans"};

  Size MeasureText(const FontSpec& font, ustring_view text) const override;
};

}  // namespace orvo::headless
