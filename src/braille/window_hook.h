#pragma once
// The main window's message hook: events outside the window's ordinary
// handlers that must end braille input cleanly (the application losing or
// gaining activation, Esc at the window itself, the text box out of space or
// at its limit, the window closing). The warnings come later from Timer1.
#include "platform/edit_control.h"

namespace orvo {
class Program;
}

namespace orvo::braille {

class WindowHook {
 public:
  explicit WindowHook(Program& program) : p_(program) {}

  void Install();
  void Remove();
  void RemoveQuietly();
  bool Installed() const { return installed_; }

  // The messages the hook looks at; each is also passed on to the window.
  void ActivateApp(bool active);
  void KeyDown(int key);
  void Notice(EditNotice notice);
  void Close();

 private:
  void Warn(int code);
  Program& p_;
  bool installed_ = false;
};

}  // namespace orvo::braille
