// SPDX-License-Identifier: GPL-3.0-or-later
// The data folder is found beside the executable, whatever its path holds,
// and only when it is this version's.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/native/data_folder.h"
#include "platform/native/program_path.h"
#include "support/temp_folder.h"

namespace orvo {
namespace {

namespace fs = std::filesystem;

// prefix/bin/orvo and prefix/share/orvo with a stamp of `stamp` (none when empty).
fs::path Layout(const fs::path& prefix, const std::string& stamp) {
  fs::create_directories(prefix / "bin");
  fs::create_directories(prefix / "share/orvo");
  if (!stamp.empty()) std::ofstream(prefix / "share/orvo/version", std::ios::binary) << stamp;
  return prefix / "bin/orvo";
}

TEST(DataFolder, FoundBesideTheProgramInAPathWithSpacesAndKana) {
  test_support::TempFolder temp;
  const fs::path prefix = native::PathFromUtf8(temp.Path()) / native::PathFromUtf8("My Programs/点字 メモ");
  const auto found = native::FindDataFolder(Layout(prefix, "0.1\n"), "../share/orvo", "0.1");
  EXPECT_EQ(found.path, prefix / "share/orvo");
  EXPECT_EQ(found.problem, "");
}

TEST(DataFolder, MissingOrUnstampedFolderIsNamed) {
  test_support::TempFolder temp;
  const fs::path program = fs::path(temp.Path()) / "bin/orvo";
  auto found = native::FindDataFolder(program, "../share/orvo", "0.1");
  EXPECT_TRUE(found.path.empty());
  EXPECT_NE(found.problem.find("no data folder at '" + (fs::path(temp.Path()) / "share/orvo").lexically_normal().string() + "'"),
            std::string::npos)
      << found.problem;

  found = native::FindDataFolder(Layout(temp.Path(), ""), "../share/orvo", "0.1");
  EXPECT_TRUE(found.path.empty());
  EXPECT_NE(found.problem.find("no version stamp"), std::string::npos) << found.problem;
}

TEST(DataFolder, AnotherVersionsDataIsNotTaken) {
  test_support::TempFolder temp;
  const auto found = native::FindDataFolder(Layout(temp.Path(), "0.2\r\n"), "../share/orvo", "0.1");
  EXPECT_TRUE(found.path.empty());
  EXPECT_NE(found.problem.find("is of version 0.2, this program is 0.1"), std::string::npos) << found.problem;
}

TEST(DataFolder, NoProgramPathIsAProblemNotACrash) {
  const auto found = native::FindDataFolder({}, "../share/orvo", "0.1");
  EXPECT_TRUE(found.path.empty());
  EXPECT_FALSE(found.problem.empty());
}

}  // namespace
}  // namespace orvo
