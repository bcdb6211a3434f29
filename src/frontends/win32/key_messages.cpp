// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/key_messages.h"

#include "frontends/win32/win32_api.h"

namespace orvo::win32 {

std::optional<KeyEvent> KeyEventOf(unsigned message, std::uintptr_t w_param, std::intptr_t l_param, bool own_key) {
  const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
  const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
  if (!down && !up) return std::nullopt;
  KeyEvent event;
  event.vk = static_cast<std::uint8_t>(w_param & 0xFF);
  event.scan = static_cast<std::uint8_t>((static_cast<std::uintptr_t>(l_param) >> 16) & 0xFF);
  event.up = up;
  event.synthetic = own_key;
  event.repeat = down && ((static_cast<std::uintptr_t>(l_param) >> 30) & 1) != 0;
  return event;
}

bool IsCharMessage(unsigned message) { return message == WM_CHAR || message == WM_SYSCHAR; }

}  // namespace orvo::win32
