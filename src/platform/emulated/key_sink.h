// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A control that acts on keys itself, in the order Windows gives it: its IME
// sees a key-down before anybody (an IME key reaches the handlers only as
// VK_PROCESSKEY); the character of the key is fixed from the key state as the
// key leaves the queue; a handler's cancel stops the control's own key-down
// action (caret keys, Delete) but not the character, which only the latch
// (Ctrl and Alt held) keeps from being typed.
#include <cstdint>

#include "platform/emulated/key_state_table.h"

namespace orvo::emu {

inline constexpr int kVkProcessKey = 229;

class KeySink {
 public:
  virtual ~KeySink() = default;
  virtual bool ImeFilter(std::uint8_t vk, const KeyStateTable& keys) = 0;
  virtual char16_t TranslateChar(std::uint8_t vk, const KeyStateTable& keys) const = 0;
  virtual void KeyDownAction(std::uint8_t vk, const KeyStateTable& keys) = 0;
  virtual void CharAction(char16_t ch) = 0;
  // Another window takes the keyboard: an IME composition does not survive it.
  virtual void FocusLost() = 0;
};

}  // namespace orvo::emu
