// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's message hook: events outside the window's ordinary
// handlers that must end braille input cleanly (the application losing or
// gaining activation, Esc at the window itself, the text box out of space or
// at its limit, the window closing). The warnings come later from Timer1.
#include "braille/editor_window.h"
#include "braille/input_state.h"
#include "toolkit/program_host.h"
#include "braille/side_windows.h"
#include "braille/warning_timer.h"
#include "platform/edit_control.h"
#include "platform/keyboard.h"

namespace orvo::braille {

class InputModes;

class WindowHook {
 public:
  struct Ports {
    ProgramHost& host;
    Keyboard& keyboard;
    EditorWindow& window;
    SideWindows& side;
    WarningTimer& timer;
  };
  WindowHook(InputState& state, const Ports& ports, InputModes& modes)
      : s_(state), p_(ports), modes_(modes) {}

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
  void Warn(int code);  // a pending_warning number

  InputState& s_;
  Ports p_;
  InputModes& modes_;
  bool installed_ = false;
};

}  // namespace orvo::braille
