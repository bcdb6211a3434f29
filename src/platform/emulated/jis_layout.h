// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The characters of the Japanese (JIS) keyboard layout: what a key types
// without and with Shift. Caps Lock turns letters to capitals (Shift then
// gives small letters again).
#include <cstdint>

namespace orvo::emu {

// 0 when the key types no character.
char16_t JisCharacter(std::uint8_t vk, bool shift, bool caps_lock);

}  // namespace orvo::emu
