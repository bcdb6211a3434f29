// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key events as the tests spell them, (virtual key, scan byte, up), printed in
// hexadecimal when an expectation fails.
#include <cstdint>
#include <iomanip>
#include <ostream>
#include <vector>

#include "platform/keys.h"

namespace orvo::test_support {

struct Stroke {
  std::uint8_t vk;
  std::uint8_t scan;
  bool up;
  bool operator==(const Stroke&) const = default;
};

inline void PrintTo(const Stroke& s, std::ostream* os) {
  *os << (s.up ? "up " : "dn ") << std::hex << std::setfill('0') << std::setw(2) << int{s.vk} << '/'
      << std::setw(2) << int{s.scan} << std::dec;
}

using Strokes = std::vector<Stroke>;

inline Stroke Dn(std::uint8_t vk, std::uint8_t scan) { return {vk, scan, false}; }
inline Stroke Up(std::uint8_t vk, std::uint8_t scan) { return {vk, scan, true}; }

inline Strokes StrokesOf(const std::vector<KeyEvent>& events) {
  Strokes out;
  for (const KeyEvent& e : events) out.push_back({e.vk, e.scan, e.up});
  return out;
}

// Concatenation, so that expected sequences read as their parts.
inline Strokes operator+(Strokes a, const Strokes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Strokes Tap(std::uint8_t vk, std::uint8_t scan) { return {Dn(vk, scan), Up(vk, scan)}; }

// The program's own pairs for the modifiers and lock keys.
inline const Stroke kShiftDn = Dn(0x10, 0x70), kShiftUp = Up(0x10, 0x70);
inline const Stroke kCtrlDn = Dn(0x11, 0x74), kCtrlUp = Up(0x11, 0x74);
inline const Stroke kAltDn = Dn(0x12, 0x73), kAltUp = Up(0x12, 0x73);

}  // namespace orvo::test_support
