// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Braille cells as Braille ASCII codes, and the JIS key that types a character.
#include <array>
#include <cstdint>

#include "platform/text.h"

namespace orvo::braille {

// Dot weights inside one column: the upper dot 1, the middle 2, the lower 4.
//   1 o o 4      left column  = dots 1 2 3
//   2 o o 5      right column = dots 4 5 6
//   3 o o 6
using DotWeights = std::array<int, 6>;  // DotValue: entries for dots 1..6

// One braille cell, as its Braille ASCII code (0x20-0x5F); 0 is no cell (the
// empty chord, or a conversion that failed).
using CellCode = std::uint8_t;

// Code of the cell whose left and right columns sum to `left` and `right`
// (0-7 each); 0 for the empty cell or sums outside a column.
CellCode CellCodeOf(int left, int right);

// GET_TEN_CODE: the cell of a chord from the weights of its dot keys.
CellCode GET_TEN_CODE(const DotWeights& dot_value);

// The key that types one character on a Japanese keyboard: what GET_KEY_CODE
// finds, and what the keystrokes then send.
struct KeyCode {
  std::uint8_t KeyVK = 0;    // the virtual key
  std::uint8_t KeyScan = 0;  // its scan byte, the program's own
  int kind = 0;              // 0 no key, 1 plain, 2 with Shift
};

// GET_KEY_CODE: the key of one character; the whole string must be one
// character of the table, compared exactly. No key is kind 0 with both codes 0.
KeyCode GET_KEY_CODE(ustring_view character);

}  // namespace orvo::braille
