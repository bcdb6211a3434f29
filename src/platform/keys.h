// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Key events as the desktop delivers them: a Windows virtual-key code and the
// scan byte that came with it. Real, scripted and synthetic keys all look alike.
#include <cstdint>

namespace orvo {

namespace vk {
inline constexpr std::uint8_t kBack = 0x08;
inline constexpr std::uint8_t kTab = 0x09;
inline constexpr std::uint8_t kReturn = 0x0D;
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kMenu = 0x12;  // Alt
inline constexpr std::uint8_t kCapital = 0x14;
inline constexpr std::uint8_t kKana = 0x15;
inline constexpr std::uint8_t kKanji = 0x19;
inline constexpr std::uint8_t kEscape = 0x1B;
inline constexpr std::uint8_t kSpace = 0x20;
inline constexpr std::uint8_t kPrior = 0x21;
inline constexpr std::uint8_t kNext = 0x22;
inline constexpr std::uint8_t kEnd = 0x23;
inline constexpr std::uint8_t kHome = 0x24;
inline constexpr std::uint8_t kLeft = 0x25;
inline constexpr std::uint8_t kUp = 0x26;
inline constexpr std::uint8_t kRight = 0x27;
inline constexpr std::uint8_t kDown = 0x28;
inline constexpr std::uint8_t kInsert = 0x2D;
inline constexpr std::uint8_t kDelete = 0x2E;
inline constexpr std::uint8_t kApps = 0x5D;  // the Applications (context menu) key
inline constexpr std::uint8_t kF1 = 0x70;
inline constexpr std::uint8_t kF2 = 0x71;
inline constexpr std::uint8_t kF3 = 0x72;
inline constexpr std::uint8_t kF4 = 0x73;
inline constexpr std::uint8_t kF5 = 0x74;
inline constexpr std::uint8_t kF6 = 0x75;
inline constexpr std::uint8_t kF7 = 0x76;
inline constexpr std::uint8_t kF8 = 0x77;
inline constexpr std::uint8_t kF9 = 0x78;
inline constexpr std::uint8_t kF10 = 0x79;
inline constexpr std::uint8_t kF11 = 0x7A;
inline constexpr std::uint8_t kF12 = 0x7B;
inline constexpr std::uint8_t kOem1 = 0xBA;       // ':' on the JIS layout
inline constexpr std::uint8_t kOemPlus = 0xBB;    // ';'
inline constexpr std::uint8_t kOemComma = 0xBC;
inline constexpr std::uint8_t kOemMinus = 0xBD;
inline constexpr std::uint8_t kOemPeriod = 0xBE;
inline constexpr std::uint8_t kOem2 = 0xBF;       // '/'
inline constexpr std::uint8_t kOem3 = 0xC0;       // '@'
inline constexpr std::uint8_t kOem4 = 0xDB;       // '['
inline constexpr std::uint8_t kOem5 = 0xDC;       // '\' (yen key)
inline constexpr std::uint8_t kOem6 = 0xDD;       // ']'
inline constexpr std::uint8_t kOem7 = 0xDE;       // '^'
inline constexpr std::uint8_t kOem102 = 0xE2;     // '\' key beside right Shift
}  // namespace vk

// Shift-state bits passed to key handlers, as forms runtimes report them.
namespace shift_mask {
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;
}  // namespace shift_mask

struct KeyEvent {
  std::uint8_t vk = 0;
  std::uint8_t scan = 0;
  bool up = false;
  bool synthetic = false;  // sent by the program itself (keybd_event)
  // The window system's auto-repeat of a key held down: a further key-down,
  // or the release that some window systems send before each repeat's press.
  bool repeat = false;
  // A key-up for a key still held when the keyboard went to another program:
  // its real release will go there.
  bool lost = false;
};

}  // namespace orvo
