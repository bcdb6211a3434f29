// SPDX-License-Identifier: GPL-3.0-or-later
// What an abrupt end keeps of the text, and where: the file's name, a second
// rescue in the same second, the writer that takes the text instead, and a
// folder whose every name of the second is taken.
#include "files/text_rescue.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/native/native_services.h"
#include "support/temp_folder.h"

namespace orvo::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t kWhen = 1700000000;

std::tm Local(std::time_t when) {
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &when);
#else
  localtime_r(&when, &local);
#endif
  return local;
}

std::string NameAt(std::time_t when) { return files::RescueFileName(Local(when)); }

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(TextRescue, NamesTheFileByTheLocalTime) {
  std::tm local{};
  local.tm_year = 2024 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 5;
  local.tm_hour = 7;
  local.tm_min = 8;
  local.tm_sec = 9;
  EXPECT_EQ(files::RescueFileName(local), "rescued-20240305-070809.txt");
}


TEST(TextRescue, SameSecondTakesTheNextFreeName) {
  test_support::TempFolder folder;
  native::FileSystem disk;
  const std::string name = NameAt(kWhen);
  ASSERT_TRUE(files::WriteRescueFile(disk, folder.Path(), "first", Local(kWhen)).written);
  const files::RescueResult second = files::WriteRescueFile(disk, folder.Path(), "second", Local(kWhen));
  ASSERT_TRUE(second.written);
  EXPECT_EQ(fs::path(second.path).filename(), name.substr(0, name.size() - 4) + "-2.txt");
  EXPECT_EQ(Slurp(folder.Path() + "/" + name), "first");
  EXPECT_EQ(Slurp(second.path), "second");
}


TEST(TextRescue, EveryNameOfTheSecondTakenIsAFailureThatLeavesTheFilesAlone) {
  test_support::TempFolder folder;
  native::FileSystem disk;
  const std::string name = NameAt(kWhen);
  const std::string stem = name.substr(0, name.size() - 4);
  std::ofstream(folder.Path() + "/" + name) << "kept";
  for (int n = 2; n <= 100; ++n) std::ofstream(folder.Path() + "/" + stem + "-" + std::to_string(n) + ".txt") << "kept";
  const files::RescueResult result = files::WriteRescueFile(disk, folder.Path(), "lost?", Local(kWhen));
  EXPECT_FALSE(result.written);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(Slurp(folder.Path() + "/" + name), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 100);
}

TEST(TextRescue, TheWriterTakesTheTextOnceAndNoFileIsMade) {
  test_support::TempFolder folder;
  native::FileSystem disk;
  files::TextRescue rescue(disk, [] { return files::RescueSnapshot{u"あ", true}; }, folder.Path());
  int writes = 0;
  rescue.SetWriter([&writes](const files::RescueSnapshot& snapshot) {
    ++writes;
    EXPECT_EQ(snapshot.text, u"あ");
    return files::RescueResult{writes > 1, "recovery", writes > 1 ? "" : "disk full"};
  });
  const files::RescueResult failed = rescue.Rescue(Local(kWhen));
  EXPECT_FALSE(failed.written);
  EXPECT_EQ(failed.error, "disk full");
  EXPECT_TRUE(rescue.Rescue(Local(kWhen)).written) << "a failed rescue may be tried again";
  EXPECT_FALSE(rescue.Rescue(Local(kWhen)).written) << "a written one is not written twice";
  EXPECT_EQ(writes, 2);
  EXPECT_EQ(fs::directory_iterator(folder.Path()), fs::directory_iterator());
}

}  // namespace
}  // namespace orvo::testing
