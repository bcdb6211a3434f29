// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32_keyboard.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

#include "platform/keys.h"

namespace orvo::win32 {
namespace {

// Keys of the extended block. Modifiers are not among them: an extended Alt
// is the right Alt, which some layouts read as AltGr (Ctrl+Alt).
constexpr std::uint8_t kExtendedKeys[] = {
    vk::kPrior, vk::kNext,   vk::kEnd,    vk::kHome,   vk::kLeft, vk::kUp,
    vk::kRight, vk::kDown,   vk::kInsert, vk::kDelete, vk::kApps,
};

}  // namespace

bool IsExtendedKey(std::uint8_t key) {
  return std::find(std::begin(kExtendedKeys), std::end(kExtendedKeys), key) !=
         std::end(kExtendedKeys);
}

Win32Keyboard::~Win32Keyboard() { ReleaseOwnKeys(); }

bool Win32Keyboard::SendKey(std::uint8_t key, std::uint8_t scan, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = scan;
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  input.ki.time = 0;
  input.ki.dwExtraInfo = static_cast<ULONG_PTR>(kOwnMark);
  // Zero events inserted: blocked by another program (UIPI) or refused.
  if (SendInput(1, &input, sizeof(INPUT)) != 1) return false;
  pressed_[key] = !up;
  return true;
}

int Win32Keyboard::ReleaseOwnKeys() {
  int released = 0;
  for (std::size_t key = 0; key < pressed_.size(); ++key) {
    if (!pressed_[key]) continue;
    pressed_[key] = false;
    // A key a person has let go of in the meantime needs nothing.
    if (GetAsyncKeyState(static_cast<int>(key)) >= 0) continue;
    if (SendKey(static_cast<std::uint8_t>(key), 0, true)) ++released;
  }
  return released;
}

std::int16_t Win32Keyboard::KeyState(std::uint8_t key) const {
  return static_cast<std::int16_t>(GetKeyState(key));
}

bool Win32Keyboard::HandlingOwnKey() const {
  return static_cast<std::uintptr_t>(GetMessageExtraInfo()) == kOwnMark;
}

}  // namespace orvo::win32
