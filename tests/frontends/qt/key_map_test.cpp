// SPDX-License-Identifier: GPL-3.0-or-later
// Real keys to virtual keys and scan bytes: by the physical key when the
// platform names it, by the Qt key (shifted JIS characters included) otherwise.
#include "frontends/qt/key_map.h"

#include <gtest/gtest.h>

#include <Qt>

#include "platform/keys.h"

namespace orvo::testing {
namespace {

using qt::MapKey;
using qt::MappedKey;

struct KeyCase {
  const char* what;
  int qt_key;
  std::uint32_t native;
  std::optional<MappedKey> expected;
};

const KeyCase kCases[] = {
    {"letter by its physical key", Qt::Key_A, 38, MappedKey{'A', 0x1E}},
    {"letter from the Qt key alone", Qt::Key_J, 0, MappedKey{'J', 0x24}},
    {"the physical key wins over the layout's letter", Qt::Key_Q, 38, MappedKey{'A', 0x1E}},
    {"digit", Qt::Key_0, 19, MappedKey{'0', 0x0B}},
    {"shifted 1 on JIS", Qt::Key_Exclam, 0, MappedKey{'1', 0x02}},
    {"shifted colon on JIS is the colon key", Qt::Key_Asterisk, 0, MappedKey{vk::kOem1, 0x28}},
    {"shifted caret", Qt::Key_AsciiTilde, 0, MappedKey{vk::kOem7, 0x0D}},
    {"shifted ro key", Qt::Key_Underscore, 0, MappedKey{vk::kOem102, 0x73}},
    {"shifted yen key", Qt::Key_Bar, 0, MappedKey{vk::kOem5, 0x7D}},
    {"semicolon", Qt::Key_Semicolon, 47, MappedKey{vk::kOemPlus, 0x27}},
    {"at sign", Qt::Key_At, 0, MappedKey{vk::kOem3, 0x1A}},
    {"yen by its key code", Qt::Key_yen, 132, MappedKey{vk::kOem5, 0x7D}},
    {"F1", Qt::Key_F1, 67, MappedKey{vk::kF1, 0x3B}},
    {"F11 after the keypad block", Qt::Key_F11, 95, MappedKey{vk::kF11, 0x57}},
    {"F12 from the Qt key", Qt::Key_F12, 0, MappedKey{vk::kF12, 0x58}},
    {"extended Up", Qt::Key_Up, 111, MappedKey{vk::kUp, 0x48}},
    {"extended Delete", Qt::Key_Delete, 119, MappedKey{vk::kDelete, 0x53}},
    {"Page Down", Qt::Key_PageDown, 0, MappedKey{vk::kNext, 0x51}},
    {"right Shift keeps its own scan", Qt::Key_Shift, 62, MappedKey{vk::kShift, 0x36}},
    {"left Shift from the Qt key", Qt::Key_Shift, 0, MappedKey{vk::kShift, 0x2A}},
    {"right Alt", Qt::Key_AltGr, 108, MappedKey{vk::kMenu, 0x38}},
    {"Kana", Qt::Key_Hiragana_Katakana, 101, MappedKey{vk::kKana, 0x70}},
    {"Kanji on the Zenkaku key", Qt::Key_Zenkaku_Hankaku, 49, MappedKey{vk::kKanji, 0x29}},
    {"Kanji by another name", Qt::Key_Kanji, 0, MappedKey{vk::kKanji, 0x29}},
    {"Caps Lock", Qt::Key_CapsLock, 66, MappedKey{vk::kCapital, 0x3A}},
    {"Shift+Tab is Tab", Qt::Key_Backtab, 0, MappedKey{vk::kTab, 0x0F}},
    {"keypad Enter is Enter", Qt::Key_Enter, 104, MappedKey{vk::kReturn, 0x1C}},
    {"unknown key code falls back to the Qt key", Qt::Key_7, 79, MappedKey{'7', 0x08}},
    {"a key of another layout", Qt::Key_Adiaeresis, 0, std::nullopt},
    {"an unknown key code with an unknown key", Qt::Key_Adiaeresis, 250, std::nullopt},
    {"the Windows key has nothing to send", Qt::Key_Meta, 0, std::nullopt},
};

TEST(KeyMap, MapsEachKeyToItsVirtualKeyAndScan) {
  for (const KeyCase& c : kCases) {
    const auto got = MapKey(c.qt_key, c.native);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.what;
    if (got) {
      EXPECT_EQ(int{got->vk}, int{c.expected->vk}) << c.what;
      EXPECT_EQ(int{got->scan}, int{c.expected->scan}) << c.what;
    }
  }
}

TEST(KeyMap, EveryLetterAndDigitRoundTripsThroughItsKeyCode) {
  for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k) {
    const auto by_qt = MapKey(k, 0);
    ASSERT_TRUE(by_qt.has_value());
    EXPECT_EQ(by_qt->vk, k);
  }
  for (int k = Qt::Key_0; k <= Qt::Key_9; ++k) {
    const auto by_qt = MapKey(k, 0);
    ASSERT_TRUE(by_qt.has_value());
    EXPECT_EQ(by_qt->vk, k);
    // The X key code of a main-block key is its scan byte plus 8.
    const auto by_code = MapKey(0, by_qt->scan + 8u);
    ASSERT_TRUE(by_code.has_value());
    EXPECT_EQ(by_code->vk, k);
  }
}

}  // namespace
}  // namespace orvo::testing
