// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The physical keys of a Japanese (JIS) keyboard that the program knows, one
// row a key: the name key scripts give it, the Windows virtual key, the set-1
// scan byte, and how Qt and X name the same key. Both front ends and the tests
// read this one table.
#include <cstdint>
#include <span>
#include <string_view>

namespace orvo::emu {

// Qt::Key values as plain numbers, so that the table needs no Qt header; the
// Qt front end checks each against Qt's own enum. Letters and digits are
// their own characters.
namespace qt_key {
inline constexpr int kSpace = 0x20, kComma = 0x2C, kMinus = 0x2D, kPeriod = 0x2E, kSlash = 0x2F;
inline constexpr int kColon = 0x3A, kSemicolon = 0x3B, kAt = 0x40;
inline constexpr int kBracketLeft = 0x5B, kBackslash = 0x5C, kBracketRight = 0x5D,
                     kAsciiCircum = 0x5E;
inline constexpr int kYen = 0xA5;
inline constexpr int kEscape = 0x01000000, kTab = 0x01000001, kBacktab = 0x01000002;
inline constexpr int kBackspace = 0x01000003, kReturn = 0x01000004, kEnter = 0x01000005;
inline constexpr int kInsert = 0x01000006, kDelete = 0x01000007;
inline constexpr int kHome = 0x01000010, kEnd = 0x01000011, kLeft = 0x01000012, kUp = 0x01000013;
inline constexpr int kRight = 0x01000014, kDown = 0x01000015, kPageUp = 0x01000016,
                     kPageDown = 0x01000017;
inline constexpr int kShift = 0x01000020, kControl = 0x01000021, kMeta = 0x01000022,
                     kAlt = 0x01000023;
inline constexpr int kCapsLock = 0x01000024;
inline constexpr int kMenu = 0x01000055;  // the Applications key
inline constexpr int kF1 = 0x01000030;  // F2 to F12 follow in order
inline constexpr int kAltGr = 0x01001103;
inline constexpr int kKanji = 0x01001121, kMuhenkan = 0x01001122, kHenkan = 0x01001123;
inline constexpr int kHiragana = 0x01001125, kKatakana = 0x01001126, kHiraganaKatakana = 0x01001127;
inline constexpr int kZenkakuHankaku = 0x0100112A;
}  // namespace qt_key

struct PhysicalKey {
  std::string_view name;  // in key scripts; empty: none
  std::uint8_t vk;        // 0: known, but nothing to send
  std::uint8_t scan;
  int qt_key;            // the key's unshifted meaning on the JIS layout; 0: none
  std::uint32_t x_code;  // evdev key code + 8, as X reports it; 0: none
};

// Physical keys first, then other names desktops give the same keys; the
// first row of a name or a Qt key is the one that counts.
std::span<const PhysicalKey> PhysicalKeys();

// A key script's name for a key, in any letter case.
const PhysicalKey* FindKeyByName(std::string_view name);

}  // namespace orvo::emu
