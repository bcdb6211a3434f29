// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/physical_keys.h"

#include <algorithm>
#include <cctype>

#include "platform/keys.h"

namespace orvo::emu {
namespace {

inline constexpr std::uint8_t kVkConvert = 0x1C;     // 変換
inline constexpr std::uint8_t kVkNonConvert = 0x1D;  // 無変換

using namespace qt_key;

// clang-format off
constexpr PhysicalKey kKeys[] = {
    // name            vk               scan  Qt key              X code
    {"Esc",            vk::kEscape,     0x01, kEscape,            9},
    {"1",              '1',             0x02, '1',                10},
    {"2",              '2',             0x03, '2',                11},
    {"3",              '3',             0x04, '3',                12},
    {"4",              '4',             0x05, '4',                13},
    {"5",              '5',             0x06, '5',                14},
    {"6",              '6',             0x07, '6',                15},
    {"7",              '7',             0x08, '7',                16},
    {"8",              '8',             0x09, '8',                17},
    {"9",              '9',             0x0A, '9',                18},
    {"0",              '0',             0x0B, '0',                19},
    {"Minus",          vk::kOemMinus,   0x0C, kMinus,             20},
    {"Caret",          vk::kOem7,       0x0D, kAsciiCircum,       21},
    {"Backspace",      vk::kBack,       0x0E, kBackspace,         22},
    {"Tab",            vk::kTab,        0x0F, kTab,               23},
    {"Q",              'Q',             0x10, 'Q',                24},
    {"W",              'W',             0x11, 'W',                25},
    {"E",              'E',             0x12, 'E',                26},
    {"R",              'R',             0x13, 'R',                27},
    {"T",              'T',             0x14, 'T',                28},
    {"Y",              'Y',             0x15, 'Y',                29},
    {"U",              'U',             0x16, 'U',                30},
    {"I",              'I',             0x17, 'I',                31},
    {"O",              'O',             0x18, 'O',                32},
    {"P",              'P',             0x19, 'P',                33},
    {"At",             vk::kOem3,       0x1A, kAt,                34},
    {"LeftBracket",    vk::kOem4,       0x1B, kBracketLeft,       35},
    {"Enter",          vk::kReturn,     0x1C, kReturn,            36},
    {"Ctrl",           vk::kControl,    0x1D, kControl,           37},
    {"A",              'A',             0x1E, 'A',                38},
    {"S",              'S',             0x1F, 'S',                39},
    {"D",              'D',             0x20, 'D',                40},
    {"F",              'F',             0x21, 'F',                41},
    {"G",              'G',             0x22, 'G',                42},
    {"H",              'H',             0x23, 'H',                43},
    {"J",              'J',             0x24, 'J',                44},
    {"K",              'K',             0x25, 'K',                45},
    {"L",              'L',             0x26, 'L',                46},
    {"Semicolon",      vk::kOemPlus,    0x27, kSemicolon,         47},
    {"Colon",          vk::kOem1,       0x28, kColon,             48},
    {"Kanji",          vk::kKanji,      0x29, kZenkakuHankaku,    49},
    {"Shift",          vk::kShift,      0x2A, kShift,             50},
    {"RightBracket",   vk::kOem6,       0x2B, kBracketRight,      51},
    {"Z",              'Z',             0x2C, 'Z',                52},
    {"X",              'X',             0x2D, 'X',                53},
    {"C",              'C',             0x2E, 'C',                54},
    {"V",              'V',             0x2F, 'V',                55},
    {"B",              'B',             0x30, 'B',                56},
    {"N",              'N',             0x31, 'N',                57},
    {"M",              'M',             0x32, 'M',                58},
    {"Comma",          vk::kOemComma,   0x33, kComma,             59},
    {"Period",         vk::kOemPeriod,  0x34, kPeriod,            60},
    {"Slash",          vk::kOem2,       0x35, kSlash,             61},
    {"",               vk::kShift,      0x36, kShift,             62},  // right Shift
    {"Alt",            vk::kMenu,       0x38, kAlt,               64},
    {"Space",          vk::kSpace,      0x39, kSpace,             65},
    {"CapsLock",       vk::kCapital,    0x3A, kCapsLock,          66},
    {"F1",             vk::kF1,         0x3B, kF1,                67},
    {"F2",             vk::kF2,         0x3C, kF1 + 1,            68},
    {"F3",             vk::kF3,         0x3D, kF1 + 2,            69},
    {"F4",             vk::kF4,         0x3E, kF1 + 3,            70},
    {"F5",             vk::kF5,         0x3F, kF1 + 4,            71},
    {"F6",             vk::kF6,         0x40, kF1 + 5,            72},
    {"F7",             vk::kF7,         0x41, kF1 + 6,            73},
    {"F8",             vk::kF8,         0x42, kF1 + 7,            74},
    {"F9",             vk::kF9,         0x43, kF1 + 8,            75},
    {"F10",            vk::kF10,        0x44, kF1 + 9,            76},
    {"F11",            vk::kF11,        0x57, kF1 + 10,           95},
    {"F12",            vk::kF12,        0x58, kF1 + 11,           96},
    {"Backslash",      vk::kOem102,     0x73, kBackslash,         97},
    {"",               kVkConvert,      0x79, kHenkan,            100},
    {"Kana",           vk::kKana,       0x70, kHiraganaKatakana,  101},
    {"",               kVkNonConvert,   0x7B, kMuhenkan,          102},
    {"",               vk::kReturn,     0x1C, kEnter,             104},  // keypad Enter
    {"",               vk::kControl,    0x1D, kControl,           105},  // right Ctrl
    {"",               vk::kMenu,       0x38, kAltGr,             108},  // right Alt
    {"Home",           vk::kHome,       0x47, kHome,              110},
    {"Up",             vk::kUp,         0x48, kUp,                111},
    {"PageUp",         vk::kPrior,      0x49, kPageUp,            112},
    {"Left",           vk::kLeft,       0x4B, kLeft,              113},
    {"Right",          vk::kRight,      0x4D, kRight,             114},
    {"End",            vk::kEnd,        0x4F, kEnd,               115},
    {"Down",           vk::kDown,       0x50, kDown,              116},
    {"PageDown",       vk::kNext,       0x51, kPageDown,          117},
    {"Insert",         vk::kInsert,     0x52, kInsert,            118},
    {"Delete",         vk::kDelete,     0x53, kDelete,            119},
    {"Apps",           vk::kApps,       0x5D, kMenu,              135},
    {"Yen",            vk::kOem5,       0x7D, kYen,               132},
    // Other names desktops give the same keys.
    {"",               vk::kKanji,      0x29, kKanji,             0},
    {"",               vk::kKana,       0x70, kHiragana,          0},
    {"",               vk::kKana,       0x70, kKatakana,          0},
    {"",               vk::kTab,        0x0F, kBacktab,           0},
    {"",               0,               0,    kMeta,              0},  // no Windows key: nothing to send
};
// clang-format on

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::span<const PhysicalKey> PhysicalKeys() { return kKeys; }

const PhysicalKey* FindKeyByName(std::string_view name) {
  if (name.empty()) return nullptr;
  for (const PhysicalKey& key : kKeys) {
    if (SameName(key.name, name)) return &key;
  }
  return nullptr;
}

}  // namespace orvo::emu
