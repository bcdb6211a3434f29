// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random and mutated settings files: the profile reader keeps every
// byte it does not change, a written key reads back while every other key
// stays, and loading never fails on readable content and takes only usable
// values.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "frontends/headless/session.h"
#include "settings/profile_text.h"
#include "settings/settings_file.h"
#include "settings/settings_values.h"
#include "support/temp_folder.h"

namespace orvo::settings {
namespace {

// Files a person or an older program might have left, to mutate.
const char* const kSeeds[] = {
    "[SETTING]\nBC=16777215\nFC=0\nFS=14\nFN=FixedSys\n\n[MRU]\n1=\n2=\n3=\n4=\n",
    ("[setting]\r\n bc = 255 \r\nfs=20pt\r\nFN=\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e\r\n"
     "[MRU]\r\n1=a.txt\\/home/u/a.txt\r\n2=\x83\x81\x83\x82.txt\\/tmp/\x83\x81\x83\x82.txt\r\n"),
    "; comment\n[MRU]\n4=d.txt\\/d.txt\n[SETTING]\nFC=-1\nBC=16777216\n[SETTING]\nFS=9\n",
    "",
};

// Pieces that make the parser take other paths than random bytes would.
const std::string kPieces[] = {"[", "]", "=", "\r", "\n", "\r\n", " ", "\t", ";", "#", "SETTING", "setting",
                               "MRU", "BC", "FC", "FS", "FN", "1", "4", "-", "+", "16777215", "99999999999",
                               "\x82", "\x81\x40", "\xff", std::string(1, '\0'), "\\", "/"};

const std::array<const char*, 2> kSections = {"SETTING", "MRU"};
const std::array<const char*, 8> kKeys = {"BC", "FC", "FS", "FN", "1", "2", "3", "4"};

class Mutator {
 public:
  explicit Mutator(unsigned seed) : random_(seed) {}

  std::string Next() {
    std::string s;
    if (Pick(8) == 0) {
      s.resize(Pick(600));
      for (char& c : s) c = static_cast<char>(Pick(256));
      return s;
    }
    s = kSeeds[Pick(std::size(kSeeds))];
    const std::size_t edits = 1 + Pick(12);
    for (std::size_t i = 0; i < edits; ++i) Mutate(s);
    return s;
  }

  std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

  // A value as the program writes one: no line break, no blanks around it.
  std::string Value() {
    std::string v;
    const std::size_t length = Pick(40);
    for (std::size_t i = 0; i < length; ++i) {
      char c = static_cast<char>(Pick(256));
      if (c == '\r' || c == '\n') c = 'x';
      v += c;
    }
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.erase(0, 1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t')) v.pop_back();
    return v;
  }

 private:
  void Mutate(std::string& s) {
    const std::size_t at = s.empty() ? 0 : Pick(s.size() + 1);
    switch (Pick(5)) {
      case 0:  // a byte changed
        if (!s.empty()) s[Pick(s.size())] = static_cast<char>(Pick(256));
        break;
      case 1:  // a piece put in
        s.insert(at, kPieces[Pick(std::size(kPieces))]);
        break;
      case 2:  // a run taken out
        if (at < s.size()) s.erase(at, 1 + Pick(20));
        break;
      case 3:  // a run repeated
        if (at < s.size()) s.insert(at, s.substr(at, 1 + Pick(30)));
        break;
      default:  // cut short
        s.resize(at);
        break;
    }
  }

  std::mt19937 random_;
};

TEST(SettingsFuzz, TheProfileReaderKeepsWhatItDoesNotWrite) {
  Mutator m(20261209);
  for (int round = 0; round < 20000; ++round) {
    const std::string input = m.Next();
    ProfileText profile(input);
    ASSERT_EQ(profile.Bytes(), input) << "round " << round;
    std::array<std::array<std::optional<std::string>, kKeys.size()>, kSections.size()> before;
    for (std::size_t s = 0; s < kSections.size(); ++s) {
      for (std::size_t k = 0; k < kKeys.size(); ++k) before[s][k] = profile.Value(kSections[s], kKeys[k]);
    }
    const std::size_t section = m.Pick(kSections.size());
    const std::size_t key = m.Pick(kKeys.size());
    const std::string value = m.Value();
    profile.Set(kSections[section], kKeys[key], value);
    ProfileText reread(profile.Bytes());
    for (std::size_t s = 0; s < kSections.size(); ++s) {
      for (std::size_t k = 0; k < kKeys.size(); ++k) {
        const auto expected = s == section && k == key ? std::optional<std::string>(value) : before[s][k];
        ASSERT_EQ(reread.Value(kSections[s], kKeys[k]), expected)
            << "round " << round << ", [" << kSections[s] << "] " << kKeys[k];
      }
    }
  }
}

TEST(SettingsFuzz, LoadingTakesOnlyUsableValuesAndSavingKeepsTheRest) {
  test_support::TempFolder folder;
  headless::Session session(folder.Path());
  ASSERT_TRUE(session.Start());
  SettingsFile& file = session.program.settings_file;
  const std::string path = folder.Path() + "/Orvo_4.ini";
  Mutator m(7);
  for (int round = 0; round < 3000; ++round) {
    // A new file each round: truncating one makes the disk flush it.
    std::filesystem::remove(path);
    std::ofstream(path, std::ios::binary) << m.Next();
    SettingsRecord loaded;
    RecentSlots history;
    ASSERT_TRUE(file.LoadSettings(loaded, history)) << "round " << round;
    EXPECT_TRUE(IsColour(loaded.BackColor) && IsColour(loaded.ForeColor));
    EXPECT_TRUE(IsFontSize(loaded.FontSize));
    EXPECT_TRUE(IsFontName(loaded.FontName)) << ToUtf8(loaded.FontName);
    for (const ustring& entry : history) EXPECT_TRUE(IsRecentEntry(entry));
    if (round % 150 != 0) continue;  // each save waits for the disk
    // Saving the loaded settings back changes nothing that was read.
    ASSERT_TRUE(file.SaveSettings(loaded)) << "round " << round;
    SettingsRecord again;
    RecentSlots history_again;
    ASSERT_TRUE(file.LoadSettings(again, history_again));
    EXPECT_EQ(again, loaded) << "round " << round;
    EXPECT_EQ(history_again, history) << "round " << round;
  }
  EXPECT_TRUE(session.program.messages.History().empty());
  EXPECT_TRUE(session.host.Messages().empty());
}

}  // namespace
}  // namespace orvo::settings
