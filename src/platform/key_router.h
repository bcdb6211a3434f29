// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One key event through the program's windows, as a desktop's message loop
// hands it over: the emulated desktop from its input queue, a native one from
// its message pump. Real key events are first told apart from a held key's
// repeats; then the active window sees the key (its key preview) and may
// cancel it by setting it to 0, then the focused control does; after both,
// the menu keys (Alt pressed and let go alone, F10, Alt with a letter or
// digit) open the window's menus. The default action of the control (and
// the IME before it) stays the desktop's.
#include <array>

#include "platform/keys.h"
#include "platform/windowing.h"

namespace orvo {

class KeyRouter {
 public:
  // What a key event is to the person's keys: a press or release, a repeat
  // of a key held down, or nothing at all (the release some window systems
  // send before each repeat, or a repeat that arrives after its key came up).
  enum class Held { kEvent, kRepeat, kNothing };
  Held Track(const KeyEvent& event);

  // The window whose preview sees keys first, and the control with the focus.
  struct Chain {
    KeyHandler* window = nullptr;
    KeyHandler* control = nullptr;
  };
  // The modifier keys down when the event arrived (the event's own included).
  struct Modifiers {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
  };

  // The window, then the control (when another), get the key as a press, a
  // repeat or a release; a key lost with the keyboard is told to the window
  // first. Returns the key code the handlers left (0: cancelled).
  int Deliver(const KeyEvent& event, Held held, int code, int shift_mask, Chain chain);
  // After the handlers: true when the key opened one of the window's menus
  // (the key then does nothing more).
  bool MenuKeys(const KeyEvent& event, int code, KeyHandler* window, Modifiers mods);
  // The character a key-down is about to type: the window, then the control,
  // may change or drop it (0).
  char16_t DeliverChar(char16_t ch, Chain chain);

 private:
  enum class AltAlone { kNo, kDown, kSpoilt };  // Alt down with nothing else yet, or not
  // The keys the person holds down, from real events alone: the program's own
  // keys do not make a held key's repeat a new press.
  std::array<bool, 256> held_{};
  AltAlone alt_alone_ = AltAlone::kNo;
};

}  // namespace orvo
