// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/cell_codes.h"

#include <string_view>

namespace orvo::braille {
namespace {

// Rows: left column sum 0-7; columns: right column sum 0-7.
// Row 0 column 0 is the empty cell, which has no code.
constexpr std::array<std::string_view, 8> kCellGrid = {
    //  R: 01234567
    "\0@\"^,.;_",  // L 0
    "ACED*%:?",    // L 1
    "1I3J5[4W",    // L 2
    "BFHG<$\\]",   // L 3
    "'/9>-+0#",    // L 4
    "KMONUXZY",    // L 5
    "2S6T8!7)",    // L 6
    "LPRQV&(=",    // L 7
};

constexpr char CellAt(int left, int right) {
  return kCellGrid[static_cast<std::size_t>(left)][static_cast<std::size_t>(right)];
}

struct KeyRow {
  char16_t ch;
  std::uint8_t vk;
  std::uint8_t scan;
};

// Keys typed without Shift. The scan bytes are the program's own and are sent
// as they stand, also where a keyboard's hardware codes differ.
constexpr KeyRow kPlainKeys[] = {
    {u'A', 0x41, 0x1D}, {u'B', 0x42, 0x2D}, {u'C', 0x43, 0x2B}, {u'D', 0x44, 0x1F},
    {u'E', 0x45, 0x12}, {u'F', 0x46, 0x20}, {u'G', 0x47, 0x21}, {u'H', 0x48, 0x22},
    {u'I', 0x49, 0x17}, {u'J', 0x4A, 0x23}, {u'K', 0x4B, 0x24}, {u'L', 0x4C, 0x25},
    {u'M', 0x4D, 0x2F}, {u'N', 0x4E, 0x2E}, {u'O', 0x4F, 0x18}, {u'P', 0x50, 0x19},
    {u'Q', 0x51, 0x10}, {u'R', 0x52, 0x13}, {u'S', 0x53, 0x1E}, {u'T', 0x54, 0x14},
    {u'U', 0x55, 0x16}, {u'V', 0x56, 0x2C}, {u'W', 0x57, 0x11}, {u'X', 0x58, 0x2A},
    {u'Y', 0x59, 0x15}, {u'Z', 0x5A, 0x29},
    {u'1', 0x31, 0x01}, {u'2', 0x32, 0x02}, {u'3', 0x33, 0x03}, {u'4', 0x34, 0x04},
    {u'5', 0x35, 0x05}, {u'6', 0x36, 0x06}, {u'7', 0x37, 0x07}, {u'8', 0x38, 0x08},
    {u'9', 0x39, 0x09}, {u'0', 0x30, 0x0A},
    {u'[', 0xDB, 0x1B}, {u']', 0xDD, 0x2B}, {u'-', 0xBD, 0x0B}, {u',', 0xBC, 0x30},
    {u'.', 0xBE, 0x31}, {u'/', 0xBF, 0x32}, {u';', 0xBB, 0x26}, {u':', 0xBA, 0x27},
    {u'\\', 0xDC, 0x0D}, {u'@', 0xC0, 0x1A}, {u'^', 0xDE, 0x0C},
    {u' ', 0x20, 0x34},
};

// Keys typed with Shift, on the JIS layout.
constexpr KeyRow kShiftedKeys[] = {
    {u'!', 0x31, 0x01}, {u'"', 0x32, 0x02}, {u'#', 0x33, 0x03}, {u'$', 0x34, 0x04},
    {u'%', 0x35, 0x05}, {u'&', 0x36, 0x06}, {u'\'', 0x37, 0x07}, {u'(', 0x38, 0x08},
    {u')', 0x39, 0x09},
    {u'=', 0xBD, 0x0B}, {u'~', 0xDE, 0x0C}, {u'|', 0xDC, 0x0D}, {u'`', 0xC0, 0x1A},
    {u'{', 0xDB, 0x1B}, {u'+', 0xBB, 0x26}, {u'*', 0xBA, 0x27}, {u'}', 0xDD, 0x2B},
    {u'<', 0xBC, 0x30}, {u'>', 0xBE, 0x31}, {u'?', 0xBF, 0x32}, {u'_', 0xE2, 0x73},
};

}  // namespace

CellCode CellCodeOf(int left, int right) {
  if (left < 0 || left > 7 || right < 0 || right > 7) return 0;
  return static_cast<CellCode>(CellAt(left, right));
}

CellCode GET_TEN_CODE(const DotWeights& dot_value) {
  return CellCodeOf(dot_value[0] + dot_value[1] + dot_value[2],
                    dot_value[3] + dot_value[4] + dot_value[5]);
}

KeyCode GET_KEY_CODE(ustring_view character) {
  if (character.size() != 1) return {};
  for (const KeyRow& row : kPlainKeys) {
    if (row.ch == character[0]) return {row.vk, row.scan, 1};
  }
  for (const KeyRow& row : kShiftedKeys) {
    if (row.ch == character[0]) return {row.vk, row.scan, 2};
  }
  return {};
}

}  // namespace orvo::braille
