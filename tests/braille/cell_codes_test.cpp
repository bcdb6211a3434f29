// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/cell_codes.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

#include "braille/key_synth.h"
#include "platform/emulated/desktop.h"
#include "platform/emulated/jis_layout.h"
#include "support/fake_synth_host.h"

namespace orvo::braille {
namespace {

// Braille ASCII by left-column sum (rows) and right-column sum (columns),
// written as codes so that a slip in either table shows.
constexpr std::uint8_t kGrid[8][8] = {
    {0x00, 0x40, 0x22, 0x5E, 0x2C, 0x2E, 0x3B, 0x5F},
    {0x41, 0x43, 0x45, 0x44, 0x2A, 0x25, 0x3A, 0x3F},
    {0x31, 0x49, 0x33, 0x4A, 0x35, 0x5B, 0x34, 0x57},
    {0x42, 0x46, 0x48, 0x47, 0x3C, 0x24, 0x5C, 0x5D},
    {0x27, 0x2F, 0x39, 0x3E, 0x2D, 0x2B, 0x30, 0x23},
    {0x4B, 0x4D, 0x4F, 0x4E, 0x55, 0x58, 0x5A, 0x59},
    {0x32, 0x53, 0x36, 0x54, 0x38, 0x21, 0x37, 0x29},
    {0x4C, 0x50, 0x52, 0x51, 0x56, 0x26, 0x28, 0x3D},
};

constexpr std::array<int, 6> kDotWeight = {1, 2, 4, 1, 2, 4};  // dots 1-6

// The weights chord capture leaves for the dots in `mask` (bit 0 = dot 1).
DotWeights ChordOf(unsigned mask) {
  DotWeights dots{};
  for (std::size_t i = 0; i < dots.size(); ++i) {
    if ((mask >> i) & 1u) dots[i] = kDotWeight[i];
  }
  return dots;
}

TEST(CellCodes, EveryChordGivesItsGridCell) {
  for (unsigned mask = 0; mask < 64; ++mask) {
    const int left = static_cast<int>(mask & 7u);
    const int right = static_cast<int>(mask >> 3);
    SCOPED_TRACE(::testing::Message() << "left " << left << " right " << right);
    EXPECT_EQ(GET_TEN_CODE(ChordOf(mask)), kGrid[left][right]);
    EXPECT_EQ(CellCodeOf(left, right), kGrid[left][right]);
  }
}

TEST(CellCodes, NonEmptyCellsCoverTheBrailleAsciiRangeOnce) {
  std::set<int> codes;
  for (unsigned mask = 1; mask < 64; ++mask) {
    const int code = GET_TEN_CODE(ChordOf(mask));
    EXPECT_GE(code, 0x21);
    EXPECT_LE(code, 0x5F);
    codes.insert(code);
  }
  EXPECT_EQ(codes.size(), 63u);
}

TEST(CellCodes, NamedCells) {
  struct Case {
    std::vector<int> dots;
    char code;
  };
  // clang-format off
  const Case cases[] = {
      {{}, '\0'},  {{1}, 'A'},           {{2}, '1'}, {{3, 4, 5, 6}, '#'},
      {{4}, '@'},  {{5}, '"'},           {{4, 5}, '^'}, {{1, 2, 3, 4, 5, 6}, '='},
      {{1, 4}, 'C'}, {{2, 3, 6}, '8'},
  };
  // clang-format on
  for (const Case& c : cases) {
    unsigned mask = 0;
    for (int dot : c.dots) mask |= 1u << (dot - 1);
    SCOPED_TRACE(::testing::Message() << "mask " << mask);
    EXPECT_EQ(GET_TEN_CODE(ChordOf(mask)), static_cast<std::uint8_t>(c.code));
  }
}

TEST(CellCodes, SumsOutsideAColumnHaveNoCell) {
  const std::array<std::array<int, 2>, 4> outside = {{{8, 0}, {0, 8}, {-1, 1}, {1, -1}}};
  for (const auto& [left, right] : outside) EXPECT_EQ(CellCodeOf(left, right), 0);
}

// The key of each character on a JIS keyboard: groups as the key table lists
// them, with the program's own scan bytes.
struct KeyGroup {
  std::u16string_view chars;
  std::vector<std::uint8_t> vks;
  std::vector<std::uint8_t> scans;
  int kind;
};

// clang-format off
const KeyGroup kKeyGroups[] = {
    {u"ABCDEFGHIJKLM",
     {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D},
     {0x1D, 0x2D, 0x2B, 0x1F, 0x12, 0x20, 0x21, 0x22, 0x17, 0x23, 0x24, 0x25, 0x2F}, 1},
    {u"NOPQRSTUVWXYZ",
     {0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A},
     {0x2E, 0x18, 0x19, 0x10, 0x13, 0x1E, 0x14, 0x16, 0x2C, 0x11, 0x2A, 0x15, 0x29}, 1},
    {u"1234567890",
     {0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30},
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A}, 1},
    {u"[]-,./;:\\@^",
     {0xDB, 0xDD, 0xBD, 0xBC, 0xBE, 0xBF, 0xBB, 0xBA, 0xDC, 0xC0, 0xDE},
     {0x1B, 0x2B, 0x0B, 0x30, 0x31, 0x32, 0x26, 0x27, 0x0D, 0x1A, 0x0C}, 1},
    {u" ", {0x20}, {0x34}, 1},
    {u"!\"#$%&'()",
     {0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39},
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09}, 2},
    {u"=~|`{+*}",
     {0xBD, 0xDE, 0xDC, 0xC0, 0xDB, 0xBB, 0xBA, 0xDD},
     {0x0B, 0x0C, 0x0D, 0x1A, 0x1B, 0x26, 0x27, 0x2B}, 2},
    {u"<>?_", {0xBC, 0xBE, 0xBF, 0xE2}, {0x30, 0x31, 0x32, 0x73}, 2},
};
// clang-format on

template <typename Visit>
void ForEachKey(Visit visit) {
  for (const KeyGroup& group : kKeyGroups) {
    ASSERT_EQ(group.vks.size(), group.chars.size());
    ASSERT_EQ(group.scans.size(), group.chars.size());
    for (std::size_t i = 0; i < group.chars.size(); ++i) {
      visit(group.chars[i], group.vks[i], group.scans[i], group.kind);
    }
  }
}

std::string Show(char16_t ch) { return std::string(1, static_cast<char>(ch)); }

// GET_KEY_CODE returns the key, and that key is what SEND_CHAR then types.
TEST(KeyCodes, EveryRowOfTheKeyTable) {
  emu::Desktop desktop;
  InputState state;
  test_support::FakeSynthHost host(desktop);
  KeySynth keys(desktop, state, host);
  ForEachKey([&](char16_t ch, std::uint8_t vk, std::uint8_t scan, int kind) {
    SCOPED_TRACE(Show(ch));
    const KeyCode key = GET_KEY_CODE(ustring(1, ch));
    EXPECT_EQ(key.kind, kind);
    EXPECT_EQ(key.KeyVK, vk);
    EXPECT_EQ(key.KeyScan, scan);
    desktop.ClearSyntheticLog();
    keys.SEND_CHAR(key);
    ASSERT_EQ(desktop.SyntheticLog().size(), 2U);
    const KeyEvent& sent = desktop.SyntheticLog().front();
    EXPECT_EQ(sent.vk, vk);
    EXPECT_EQ(sent.scan, scan);
  });
}

// Only the lower-case letters of printable ASCII are missing from the table.
TEST(KeyCodes, EveryPrintableAsciiButLowerCaseHasAKey) {
  for (char16_t ch = 0x20; ch < 0x7F; ++ch) {
    SCOPED_TRACE(Show(ch));
    const bool lower = ch >= u'a' && ch <= u'z';
    EXPECT_EQ(GET_KEY_CODE(ustring(1, ch)).kind != 0, !lower);
  }
}

// The key the program sends for a character types that character on the
// emulated keyboard (letters with Caps Lock on, as capital modes type them).
TEST(KeyCodes, KeysTypeTheirCharacterOnTheJisLayout) {
  ForEachKey([](char16_t ch, std::uint8_t vk, std::uint8_t, int kind) {
    SCOPED_TRACE(Show(ch));
    const bool letter = ch >= u'A' && ch <= u'Z';
    EXPECT_EQ(emu::JisCharacter(vk, kind == 2, letter), ch);
  });
}

TEST(KeyCodes, OtherStringsHaveNoKey) {
  const ustring_view none[] = {u"a",      u"z",  u"Ａ", u"ａ", u"あ", u"ｱ", u"、",
                               u"\u3000", u"AB", u"KA", u"",   u"\t", u"\r"};
  for (ustring_view text : none) {
    SCOPED_TRACE(ToUtf8(text));
    EXPECT_EQ(GET_KEY_CODE(text).kind, 0);
    // A miss after a hit holds nothing of the hit's key.
    ASSERT_EQ(GET_KEY_CODE(u"_").kind, 2);
    const KeyCode miss = GET_KEY_CODE(text);
    EXPECT_EQ(miss.kind, 0);
    EXPECT_EQ(miss.KeyVK, 0);
    EXPECT_EQ(miss.KeyScan, 0);
  }
}

}  // namespace
}  // namespace orvo::braille
