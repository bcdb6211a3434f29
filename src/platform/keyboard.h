// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keystroke injection and key state, as keybd_event and GetKeyState offer them.
#include <cstdint>

namespace orvo {

class Keyboard {
 public:
  virtual ~Keyboard() = default;

  // Puts one synthetic key event on the input queue. False when the platform
  // refused it (the program treats that as a raised error).
  virtual bool SendKey(std::uint8_t vk, std::uint8_t scan, bool up) = 0;

  // Bit 15 set (the value is negative) while the key is down; bit 0 is the
  // toggle state of Caps Lock and Kana.
  virtual std::int16_t KeyState(std::uint8_t vk) const = 0;

  // True while the key event being handled is one the program sent itself
  // (on Windows: keybd_event's extra information, read back with
  // GetMessageExtraInfo); false for a person's key.
  virtual bool HandlingOwnKey() const = 0;

  bool IsDown(std::uint8_t vk) const { return (KeyState(vk) & 0x8000) != 0; }
  bool IsToggled(std::uint8_t vk) const { return (KeyState(vk) & 1) != 0; }
};

}  // namespace orvo
