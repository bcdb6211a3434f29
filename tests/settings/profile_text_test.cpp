// SPDX-License-Identifier: GPL-3.0-or-later
// What the profile reader takes from a file, and what writing one key leaves
// of the others.
#include "settings/profile_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvo::settings {
namespace {

using Value = std::optional<std::string>;

TEST(ProfileText, FindsKeysAsAProfileReaderDoes) {
  const ProfileText p(
      "stray=before any section\r\n"
      "; comment=not a key\r\n"
      "[ Setting ]\r\n"
      "  bc  =  255  \r\n"
      "\tFn=\tＭＳ ゴシック\t\r\n"
      "#FS=99\r\n"
      "FS\r\n"
      "fs=\r\n"
      "BC=second occurrence\r\n"
      "[MRU\r\n"  // no closing bracket: not a section
      "1=still SETTING\r\n"
      "[mru]\n"
      "1=a.txt\\/home/u/a.txt\r"
      "2=\"quoted\"\n"
      "[SETTING]\n"
      "FC=65280");  // the last line has no line end
  EXPECT_EQ(p.Value("SETTING", "BC"), Value("255"));
  EXPECT_EQ(p.Value("setting", "fn"), Value("ＭＳ ゴシック"));
  EXPECT_EQ(p.Value("SETTING", "FS"), Value(""));  // present and empty
  EXPECT_EQ(p.Value("SETTING", "1"), Value("still SETTING"));
  EXPECT_EQ(p.Value("SETTING", "FC"), Value("65280"));  // a second section of the same name
  EXPECT_EQ(p.Value("MRU", "1"), Value("a.txt\\/home/u/a.txt"));
  EXPECT_EQ(p.Value("MRU", "2"), Value("\"quoted\""));
  EXPECT_EQ(p.Value("SETTING", "stray"), std::nullopt);
  EXPECT_EQ(p.Value("SETTING", "; comment"), std::nullopt);
  EXPECT_EQ(p.Value("SETTING", "#FS"), std::nullopt);
  EXPECT_EQ(p.Value("MRU", "3"), std::nullopt);
  EXPECT_EQ(p.Value("OTHER", "BC"), std::nullopt);
}

TEST(ProfileText, ReadsLongValuesWhole) {
  std::string path = "memo.txt\\/home/u";
  while (path.size() < 5000) path += "/a folder with a long name";
  path += "/memo.txt";
  const ProfileText p("[MRU]\n1=" + path + "\n");
  EXPECT_EQ(p.Value("MRU", "1"), Value(path));
}

TEST(ProfileText, AnEmptyTextGetsSectionsAsTheyAreWritten) {
  ProfileText p;
  p.Set("SETTING", "BC", "16777215");
  p.Set("SETTING", "FC", "0");
  p.Set("MRU", "1", "");
  EXPECT_EQ(p.Bytes(), "[SETTING]\nBC=16777215\nFC=0\n\n[MRU]\n1=\n");
}

// A damaged file's stray CR (or LF) does not decide how the lines added end:
// the line end most of its sections and keys have does.
TEST(ProfileText, LinesAddedEndAsMostOfTheFilesLinesDo) {
  const struct {
    const char* what;
    std::string before;
    std::string after;
  } cases[] = {
      {"CR LF keys after a stray CR", "\x82\xff junk\r[SETTING]\r\nBC=1\r\nFC=0\r\n",
       "\x82\xff junk\r[SETTING]\r\nBC=1\r\nFC=0\r\n\r\n[MRU]\r\n1=\r\n"},
      {"LF keys after a stray CR LF", "junk\r\n[SETTING]\nBC=1\n", "junk\r\n[SETTING]\nBC=1\n\n[MRU]\n1=\n"},
      {"CR alone throughout", "[S]\rk=1\r", "[S]\rk=1\r\r[MRU]\r1=\r"},
      {"junk with CR LF somewhere", "\x82\xff\r\x01\rjunk\r\n\xfe\r", "\x82\xff\r\x01\rjunk\r\n\xfe\r\r\n[MRU]\r\n1=\r\n"},
      {"junk with stray CRs and LFs alone", "\x82\r\x01\r\xff\n\xfe\r", "\x82\r\x01\r\xff\n\xfe\r\n[MRU]\n1=\n"},
      {"no line end at all", "junk", "junk\n\n[MRU]\n1=\n"},
  };
  for (const auto& c : cases) {
    ProfileText p(c.before);
    p.Set("MRU", "1", "");
    EXPECT_EQ(p.Bytes(), c.after) << c.what;
  }
}

TEST(ProfileText, WritingOneKeyKeepsEveryOtherLine) {
  const std::string before =
      "; Orvo\r\n"
      "[SETTING]\r\n"
      "  Bc = 1 \r\n"
      "FN=\x82\x6c\x82\x72 Gothic\r\n"  // CP932 bytes stay as they are
      "junk line \xff\xfe\r\n"
      "\r\n"
      "[Other]\r\n"
      "x=1";
  struct Case {
    const char* what;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
  };
  const Case cases[] = {
      {"an existing key: its line, the file's spelling of the key", "setting", "bc", "255",
       "; Orvo\r\n[SETTING]\r\nBc=255\r\nFN=\x82\x6c\x82\x72 Gothic\r\njunk line \xff\xfe\r\n\r\n[Other]\r\nx=1"},
      {"a new key: after the section's last line, before its blank line", "SETTING", "FS", "14",
       "; Orvo\r\n[SETTING]\r\n  Bc = 1 \r\nFN=\x82\x6c\x82\x72 Gothic\r\njunk line \xff\xfe\r\nFS=14\r\n"
       "\r\n[Other]\r\nx=1"},
      {"a new key in the last section, which had no line end", "OTHER", "y", "2",
       "; Orvo\r\n[SETTING]\r\n  Bc = 1 \r\nFN=\x82\x6c\x82\x72 Gothic\r\njunk line \xff\xfe\r\n\r\n"
       "[Other]\r\nx=1\r\ny=2\r\n"},
      {"a new section: at the end, after a blank line", "MRU", "1", "",
       "; Orvo\r\n[SETTING]\r\n  Bc = 1 \r\nFN=\x82\x6c\x82\x72 Gothic\r\njunk line \xff\xfe\r\n\r\n"
       "[Other]\r\nx=1\r\n\r\n[MRU]\r\n1=\r\n"},
      {"a line end in the value goes no further", "SETTING", "bc", "7\nFS=99",
       "; Orvo\r\n[SETTING]\r\nBc=7\r\nFN=\x82\x6c\x82\x72 Gothic\r\njunk line \xff\xfe\r\n\r\n[Other]\r\nx=1"},
  };
  for (const Case& c : cases) {
    ProfileText p(before);
    EXPECT_EQ(p.Bytes(), before) << c.what;
    p.Set(c.section, c.key, c.value);
    EXPECT_EQ(p.Bytes(), c.after) << c.what;
  }
}

TEST(ProfileText, TakesTheNumberAtTheStartOfAValue) {
  struct Case {
    const char* value;
    std::optional<std::int32_t> number;
  };
  const Case cases[] = {
      {"14", 14},
      {"  -5", -5},
      {"+7", 7},
      {"14pt", 14},
      {"12 34", 12},
      {"0x10", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"pt14", std::nullopt},
      {"\xef\xbc\x91\xef\xbc\x94", std::nullopt},  // full-width digits are not digits
  };
  for (const Case& c : cases) EXPECT_EQ(LeadingNumber(c.value), c.number) << c.value;
}

}  // namespace
}  // namespace orvo::settings
