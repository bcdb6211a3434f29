// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keyboard messages as the program's key events: which messages are keys,
// and the key, scan byte, direction and repeat mark a message carries.
#include <cstdint>
#include <optional>

#include "platform/keys.h"

namespace orvo::win32 {

// The key event of a WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP;
// none for any other message. Bit 30 of a key-down's lParam marks a key
// that was already down (the system's auto-repeat).
std::optional<KeyEvent> KeyEventOf(unsigned message, std::uintptr_t w_param, std::intptr_t l_param, bool own_key);

// Whether the message is one of the characters a key typed (WM_CHAR, WM_SYSCHAR).
bool IsCharMessage(unsigned message);

}  // namespace orvo::win32
