#include "platform/qt/key_map.h"

#include <Qt>

#include "platform/keys.h"

namespace orvo::qt {
namespace {

inline constexpr std::uint8_t kVkConvert = 0x1C;     // 変換
inline constexpr std::uint8_t kVkNonConvert = 0x1D;  // 無変換

struct KeyRow {
  int qt_key;             // the key's unshifted meaning on the JIS layout; 0: none
  std::uint32_t x_code;   // evdev key code + 8, as X reports it; 0: none
  std::uint8_t vk;
  std::uint8_t scan;
};

// One physical key a row; the first row of a Qt key wins when only that is known.
// clang-format off
constexpr KeyRow kKeys[] = {
    {Qt::Key_Escape, 9, vk::kEscape, 0x01},
    {Qt::Key_1, 10, '1', 0x02}, {Qt::Key_2, 11, '2', 0x03}, {Qt::Key_3, 12, '3', 0x04},
    {Qt::Key_4, 13, '4', 0x05}, {Qt::Key_5, 14, '5', 0x06}, {Qt::Key_6, 15, '6', 0x07},
    {Qt::Key_7, 16, '7', 0x08}, {Qt::Key_8, 17, '8', 0x09}, {Qt::Key_9, 18, '9', 0x0A},
    {Qt::Key_0, 19, '0', 0x0B},
    {Qt::Key_Minus, 20, vk::kOemMinus, 0x0C},
    {Qt::Key_AsciiCircum, 21, vk::kOem7, 0x0D},
    {Qt::Key_Backspace, 22, vk::kBack, 0x0E},
    {Qt::Key_Tab, 23, vk::kTab, 0x0F},
    {Qt::Key_Q, 24, 'Q', 0x10}, {Qt::Key_W, 25, 'W', 0x11}, {Qt::Key_E, 26, 'E', 0x12},
    {Qt::Key_R, 27, 'R', 0x13}, {Qt::Key_T, 28, 'T', 0x14}, {Qt::Key_Y, 29, 'Y', 0x15},
    {Qt::Key_U, 30, 'U', 0x16}, {Qt::Key_I, 31, 'I', 0x17}, {Qt::Key_O, 32, 'O', 0x18},
    {Qt::Key_P, 33, 'P', 0x19},
    {Qt::Key_At, 34, vk::kOem3, 0x1A},
    {Qt::Key_BracketLeft, 35, vk::kOem4, 0x1B},
    {Qt::Key_Return, 36, vk::kReturn, 0x1C},
    {Qt::Key_Control, 37, vk::kControl, 0x1D},
    {Qt::Key_A, 38, 'A', 0x1E}, {Qt::Key_S, 39, 'S', 0x1F}, {Qt::Key_D, 40, 'D', 0x20},
    {Qt::Key_F, 41, 'F', 0x21}, {Qt::Key_G, 42, 'G', 0x22}, {Qt::Key_H, 43, 'H', 0x23},
    {Qt::Key_J, 44, 'J', 0x24}, {Qt::Key_K, 45, 'K', 0x25}, {Qt::Key_L, 46, 'L', 0x26},
    {Qt::Key_Semicolon, 47, vk::kOemPlus, 0x27},
    {Qt::Key_Colon, 48, vk::kOem1, 0x28},
    {Qt::Key_Zenkaku_Hankaku, 49, vk::kKanji, 0x29},
    {Qt::Key_Shift, 50, vk::kShift, 0x2A},
    {Qt::Key_BracketRight, 51, vk::kOem6, 0x2B},
    {Qt::Key_Z, 52, 'Z', 0x2C}, {Qt::Key_X, 53, 'X', 0x2D}, {Qt::Key_C, 54, 'C', 0x2E},
    {Qt::Key_V, 55, 'V', 0x2F}, {Qt::Key_B, 56, 'B', 0x30}, {Qt::Key_N, 57, 'N', 0x31},
    {Qt::Key_M, 58, 'M', 0x32},
    {Qt::Key_Comma, 59, vk::kOemComma, 0x33},
    {Qt::Key_Period, 60, vk::kOemPeriod, 0x34},
    {Qt::Key_Slash, 61, vk::kOem2, 0x35},
    {Qt::Key_Shift, 62, vk::kShift, 0x36},
    {Qt::Key_Alt, 64, vk::kMenu, 0x38},
    {Qt::Key_Space, 65, vk::kSpace, 0x39},
    {Qt::Key_CapsLock, 66, vk::kCapital, 0x3A},
    {Qt::Key_F1, 67, vk::kF1, 0x3B}, {Qt::Key_F2, 68, vk::kF2, 0x3C},
    {Qt::Key_F3, 69, vk::kF3, 0x3D}, {Qt::Key_F4, 70, vk::kF4, 0x3E},
    {Qt::Key_F5, 71, vk::kF5, 0x3F}, {Qt::Key_F6, 72, vk::kF6, 0x40},
    {Qt::Key_F7, 73, vk::kF7, 0x41}, {Qt::Key_F8, 74, vk::kF8, 0x42},
    {Qt::Key_F9, 75, vk::kF9, 0x43}, {Qt::Key_F10, 76, vk::kF10, 0x44},
    {Qt::Key_F11, 95, vk::kF11, 0x57}, {Qt::Key_F12, 96, vk::kF12, 0x58},
    {Qt::Key_Backslash, 97, vk::kOem102, 0x73},
    {Qt::Key_Henkan, 100, kVkConvert, 0x79},
    {Qt::Key_Hiragana_Katakana, 101, vk::kKana, 0x70},
    {Qt::Key_Muhenkan, 102, kVkNonConvert, 0x7B},
    {Qt::Key_Enter, 104, vk::kReturn, 0x1C},
    {Qt::Key_Control, 105, vk::kControl, 0x1D},
    {Qt::Key_AltGr, 108, vk::kMenu, 0x38},
    {Qt::Key_Home, 110, vk::kHome, 0x47},
    {Qt::Key_Up, 111, vk::kUp, 0x48},
    {Qt::Key_PageUp, 112, vk::kPrior, 0x49},
    {Qt::Key_Left, 113, vk::kLeft, 0x4B},
    {Qt::Key_Right, 114, vk::kRight, 0x4D},
    {Qt::Key_End, 115, vk::kEnd, 0x4F},
    {Qt::Key_Down, 116, vk::kDown, 0x50},
    {Qt::Key_PageDown, 117, vk::kNext, 0x51},
    {Qt::Key_Delete, 119, vk::kDelete, 0x53},
    {Qt::Key_yen, 132, vk::kOem5, 0x7D},
    // Other names desktops give the same keys.
    {Qt::Key_Kanji, 0, vk::kKanji, 0x29},
    {Qt::Key_Hiragana, 0, vk::kKana, 0x70},
    {Qt::Key_Katakana, 0, vk::kKana, 0x70},
    {Qt::Key_Backtab, 0, vk::kTab, 0x0F},
    {Qt::Key_Meta, 0, 0, 0},  // no Windows key: known, but nothing to send
};

// What Shift gives on the JIS layout, read back as the key it was typed on.
struct ShiftedRow {
  int shifted;
  int base;
};
constexpr ShiftedRow kShifted[] = {
    {Qt::Key_Exclam, Qt::Key_1},      {Qt::Key_QuoteDbl, Qt::Key_2},
    {Qt::Key_NumberSign, Qt::Key_3},  {Qt::Key_Dollar, Qt::Key_4},
    {Qt::Key_Percent, Qt::Key_5},     {Qt::Key_Ampersand, Qt::Key_6},
    {Qt::Key_Apostrophe, Qt::Key_7},  {Qt::Key_ParenLeft, Qt::Key_8},
    {Qt::Key_ParenRight, Qt::Key_9},  {Qt::Key_Equal, Qt::Key_Minus},
    {Qt::Key_AsciiTilde, Qt::Key_AsciiCircum}, {Qt::Key_Bar, Qt::Key_yen},
    {Qt::Key_QuoteLeft, Qt::Key_At},  {Qt::Key_BraceLeft, Qt::Key_BracketLeft},
    {Qt::Key_Plus, Qt::Key_Semicolon}, {Qt::Key_Asterisk, Qt::Key_Colon},
    {Qt::Key_BraceRight, Qt::Key_BracketRight}, {Qt::Key_Less, Qt::Key_Comma},
    {Qt::Key_Greater, Qt::Key_Period}, {Qt::Key_Question, Qt::Key_Slash},
    {Qt::Key_Underscore, Qt::Key_Backslash},
};
// clang-format on

std::optional<MappedKey> ByQtKey(int qt_key) {
  for (const ShiftedRow& row : kShifted) {
    if (row.shifted == qt_key) qt_key = row.base;
  }
  for (const KeyRow& row : kKeys) {
    if (row.qt_key == qt_key) {
      if (row.vk == 0) return std::nullopt;
      return MappedKey{row.vk, row.scan};
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<MappedKey> MapKey(int qt_key, std::uint32_t native_code) {
  if (native_code != 0) {
    for (const KeyRow& row : kKeys) {
      if (row.x_code == native_code) return MappedKey{row.vk, row.scan};
    }
  }
  return ByQtKey(qt_key);
}

}  // namespace orvo::qt
