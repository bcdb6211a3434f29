// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the braille modules see it: the box braille types
// into, and the window's own state.
#include "platform/edit_control.h"

namespace orvo::braille {

class EditorWindow {
 public:
  virtual ~EditorWindow() = default;
  // The document's active box, or a box of the find dialog while the dialog
  // has the keyboard there: braille is typed wherever the user types text.
  virtual EditControl& TypingBox() = 0;
  virtual bool WindowEnabled() const = 0;
  virtual bool WindowMinimized() const = 0;
  virtual void CloseWindow() = 0;  // asks first, as closing by any means does
};

}  // namespace orvo::braille
