// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key routing, focus, modal loops and pending-event processing. The program's
// windows and controls implement KeyHandler; the desktop calls the active
// window's handler first when it previews keys, then the focused control's,
// and only a key whose code is still non-zero reaches the control itself.
#include <functional>
#include <memory>

#include "platform/edit_control.h"

namespace orvo {

class KeyHandler {
 public:
  virtual ~KeyHandler() = default;
  // A handler cancels a key by setting key_code to 0. shift: shift_mask bits.
  virtual void KeyDown(int& key_code, int shift) = 0;
  virtual void KeyUp(int& key_code, int shift) = 0;
  // Another key-down of a key held down (auto-repeat); by default a key-down
  // like any other, as the keys that edit repeat while held.
  virtual void KeyRepeat(int& key_code, int shift) { KeyDown(key_code, shift); }
  // The keys held down went to another window: the key-ups that follow are
  // the desktop's, not the person's letting go.
  virtual void KeysLost() {}
  // The character a key-down is about to type into the focused edit control;
  // setting it to 0 drops it (the key code itself may have passed).
  virtual void KeyPress(char16_t& ch) { (void)ch; }
  // The desktop's menu keys, for a key no handler cancelled: Alt with a
  // letter (the letter), F10 or Alt pressed and let go alone (0). True when
  // the window opened a menu for it; the key then types nothing.
  virtual bool MenuKey(char16_t letter) {
    (void)letter;
    return false;
  }
};

class Windowing {
 public:
  virtual ~Windowing() = default;

  // Lets every event already waiting run (the forms runtime's DoEvents).
  virtual void DoEvents() = 0;

  // The window that receives keys first (its key preview) or null.
  virtual void SetActiveWindow(KeyHandler* window) = 0;
  virtual KeyHandler* ActiveWindow() const = 0;
  // The control with the keyboard focus: its handlers, and the edit control
  // that acts on keys nobody cancelled (null for a control that is not one).
  virtual void SetFocus(KeyHandler* control, EditControl* edit) = 0;
  virtual EditControl* FocusedEdit() const = 0;

  // Runs a modal loop over the one input queue until done() holds. Returns
  // false when input ended first (a script ran out while the window waited).
  virtual bool RunModal(KeyHandler& window, const std::function<bool()>& done) = 0;

  virtual std::unique_ptr<EditControl> CreateEditControl() = 0;
};

}  // namespace orvo
