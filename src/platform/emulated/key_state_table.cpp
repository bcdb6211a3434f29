// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/key_state_table.h"

namespace orvo::emu {

void KeyStateTable::Apply(const KeyEvent& event) {
  if (!event.up && !down_[event.vk]) {
    if (event.vk == vk::kCapital || event.vk == vk::kKana) toggled_[event.vk] = !toggled_[event.vk];
  }
  down_[event.vk] = !event.up;
}

std::int16_t KeyStateTable::State(std::uint8_t key) const {
  std::uint16_t value = 0;
  if (down_[key]) value |= 0x8000;
  if (toggled_[key]) value |= 0x0001;
  return static_cast<std::int16_t>(value);
}

int KeyStateTable::ShiftMask() const {
  int mask = 0;
  if (down_[vk::kShift]) mask |= shift_mask::kShift;
  if (down_[vk::kControl]) mask |= shift_mask::kCtrl;
  if (down_[vk::kMenu]) mask |= shift_mask::kAlt;
  return mask;
}

}  // namespace orvo::emu
