// SPDX-License-Identifier: GPL-3.0-or-later
// The font file the build makes names its face "Orvoten Font", and the name
// reader that the headless desktop trusts stays inside any bytes it is given.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "platform/font_file.h"
#include "platform/native/data_folder.h"
#include "support/font_bytes.h"

namespace orvo::testing {
namespace {

std::string BuiltFont() {
  std::ifstream in(native::FindOwnDataFolder().path / "Orvoten.TTF", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(BrailleFontFile, TheBuiltFontNamesItsFace) {
  const std::string font = BuiltFont();
  ASSERT_GT(font.size(), 1000U) << "the build's data folder has no Orvoten.TTF";
  EXPECT_EQ(FontFileFamily(font), u"Orvoten Font");
}

TEST(FontFileFamily, ReadsTheWindowsNameAndRefusesWhatIsNoFont) {
  EXPECT_EQ(FontFileFamily(test_support::SfntNamingFamily(u"点字 Font")), u"点字 Font");
  EXPECT_EQ(FontFileFamily(""), u"");
  EXPECT_EQ(FontFileFamily("plain text, long enough to have a header and tables"), u"");
  std::string wrong_version = test_support::SfntNamingFamily(u"Any");
  wrong_version[0] = 'X';
  EXPECT_EQ(FontFileFamily(wrong_version), u"");
}

TEST(FontFileFamily, CutOrScrambledFilesGiveNoNameOrTheRightOneAndNeverReadOutside) {
  const std::string font = BuiltFont();
  ASSERT_FALSE(font.empty());
  for (std::size_t n = 0; n < font.size(); n += 7) {
    const ustring name = FontFileFamily(std::string_view(font).substr(0, n));
    EXPECT_TRUE(name.empty() || name == u"Orvoten Font") << n;
  }
  std::mt19937 random(16);
  for (int round = 0; round < 300; ++round) {
    std::string bytes = font.substr(0, 2048);
    for (int i = 0; i < 8; ++i) bytes[random() % bytes.size()] = static_cast<char>(random());
    FontFileFamily(bytes);  // whatever it says, it stays inside the bytes (the sanitizers watch)
  }
}

}  // namespace
}  // namespace orvo::testing
