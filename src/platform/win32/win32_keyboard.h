// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard of the real system: synthetic keys through SendInput, marked
// with the program's own extra information so that the handlers they reach
// can tell them from a person's, and key state through GetKeyState.
#include <bitset>
#include <cstdint>

#include "platform/keyboard.h"

namespace orvo::win32 {

class Win32Keyboard : public Keyboard {
 public:
  // The extra information every key the program sends carries ("ORVO").
  static constexpr std::uintptr_t kOwnMark = 0x4F52564F;

  Win32Keyboard() = default;
  // Lets go of every key the program pressed and left down.
  ~Win32Keyboard() override;
  Win32Keyboard(const Win32Keyboard&) = delete;
  Win32Keyboard& operator=(const Win32Keyboard&) = delete;

  bool SendKey(std::uint8_t vk, std::uint8_t scan, bool up) override;
  std::int16_t KeyState(std::uint8_t vk) const override;
  bool HandlingOwnKey() const override;

  // The keys the program pressed and has not let go, still down for the
  // system, are let go (the program ending, or its window losing the
  // keyboard in the middle of a sequence): no Ctrl or Alt stays held for
  // the programs that come after. The number of keys let go.
  int ReleaseOwnKeys();

 private:
  std::bitset<256> pressed_;  // by the program, not yet let go
};

// Whether the key sits in the extended block of the keyboard (the arrows and
// the keys above them): such keys are sent with the extended flag, as the
// keyboard itself sends them, so that Num Lock never turns them into digits.
bool IsExtendedKey(std::uint8_t vk);

}  // namespace orvo::win32
