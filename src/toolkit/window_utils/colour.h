// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A colour as the program stores it: red + 256 × green + 65536 × blue.
#include <cstdint>

namespace orvo {

using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>(c >> 8 & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>(c >> 16 & 0xFF); }

}  // namespace orvo
