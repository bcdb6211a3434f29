// SPDX-License-Identifier: GPL-3.0-or-later
// The one key table: names, key codes and scan bytes that front ends and
// scripts agree on.
#include "platform/emulated/physical_keys.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "platform/keys.h"

namespace orvo::testing {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

TEST(PhysicalKeys, NamesAndKeyCodesAreEachGivenOnce) {
  std::set<std::string> names;
  std::set<std::uint32_t> x_codes;
  for (const emu::PhysicalKey& key : emu::PhysicalKeys()) {
    if (!key.name.empty()) {
      EXPECT_TRUE(names.insert(Lower(key.name)).second) << key.name;
      EXPECT_NE(key.vk, 0) << key.name;
    }
    if (key.x_code != 0) {
      EXPECT_TRUE(x_codes.insert(key.x_code).second) << key.x_code;
    }
  }
}

TEST(PhysicalKeys, NamesAreFoundInAnyCase) {
  for (std::string_view name : {"capslock", "CAPSLOCK", "CapsLock"}) {
    const emu::PhysicalKey* key = emu::FindKeyByName(name);
    ASSERT_NE(key, nullptr) << name;
    EXPECT_EQ(key->vk, vk::kCapital);
    EXPECT_EQ(key->scan, 0x3A);
  }
  EXPECT_EQ(emu::FindKeyByName("f")->vk, 'F');
  EXPECT_EQ(emu::FindKeyByName("Shift")->scan, 0x2A);  // the left one
  EXPECT_EQ(emu::FindKeyByName("Ctrl")->scan, 0x1D);
  EXPECT_EQ(emu::FindKeyByName("Kana")->vk, vk::kKana);
  EXPECT_EQ(emu::FindKeyByName(""), nullptr);
  EXPECT_EQ(emu::FindKeyByName("F13"), nullptr);
}

// Letters and digits are their own characters in every column but the scan.
TEST(PhysicalKeys, LettersAndDigitsNameThemselves) {
  int found = 0;
  for (const emu::PhysicalKey& key : emu::PhysicalKeys()) {
    if (key.name.size() != 1) continue;
    ++found;
    EXPECT_EQ(key.vk, key.name[0]);
    EXPECT_EQ(key.qt_key, key.name[0]);
  }
  EXPECT_EQ(found, 36);
}

}  // namespace
}  // namespace orvo::testing
