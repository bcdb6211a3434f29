#pragma once
// The main window as the braille modules see it: the document box that is
// active now, and the window's own state.
#include "platform/edit_control.h"

namespace orvo::braille {

class EditorWindow {
 public:
  virtual ~EditorWindow() = default;
  virtual EditControl& ActiveTextBox() = 0;
  virtual bool WindowEnabled() const = 0;
  virtual bool WindowMinimized() const = 0;
  virtual void CloseWindow() = 0;  // asks first, as closing by any means does
};

}  // namespace orvo::braille
