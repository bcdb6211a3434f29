// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key state as GetKeyState reports it: the down bit of every key and the
// toggle bit of Caps Lock and Kana, from every event delivered so far, real
// and synthetic alike.
#include <array>
#include <cstdint>

#include "platform/keys.h"

namespace orvo::emu {

class KeyStateTable {
 public:
  void Apply(const KeyEvent& event);
  std::int16_t State(std::uint8_t vk) const;
  bool Down(std::uint8_t vk) const { return down_[vk]; }
  bool Toggled(std::uint8_t vk) const { return toggled_[vk]; }
  void SetToggled(std::uint8_t vk, bool on) { toggled_[vk] = on; }
  void SetDown(std::uint8_t vk, bool down) { down_[vk] = down; }
  int ShiftMask() const;  // shift_mask bits of the modifiers now down

 private:
  std::array<bool, 256> down_{};
  std::array<bool, 256> toggled_{};
};

}  // namespace orvo::emu
