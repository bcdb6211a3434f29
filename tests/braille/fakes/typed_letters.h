// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letters and digits the program typed, read off the desktop's log of synthetic keys.
#include <string>
#include <vector>

#include "platform/keys.h"

namespace orvo::test_support {

inline std::string TypedLetters(const std::vector<KeyEvent>& log) {
  std::string out;
  for (const KeyEvent& e : log) {
    const bool letter = e.vk >= 'A' && e.vk <= 'Z';
    const bool digit = e.vk >= '0' && e.vk <= '9';
    if (!e.up && (letter || digit)) out += static_cast<char>(e.vk);
  }
  return out;
}

inline bool Sent(const std::vector<KeyEvent>& log, int vk) {
  for (const KeyEvent& e : log) {
    if (e.vk == vk) return true;
  }
  return false;
}

}  // namespace orvo::test_support
