// SPDX-License-Identifier: GPL-3.0-or-later
// What the file layer refuses and keeps, without the program around it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/posix/posix_file_system.h"
#include "support/temp_folder.h"

namespace orvo::posix {
namespace {

class PosixFiles : public ::testing::Test {
 protected:
  ustring P(const std::string& name) const { return FromUtf8(folder_.Path() + "/" + name); }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_.Path() + "/" + name, std::ios::binary) << bytes;
  }
  std::string Bytes(const std::string& name) const {
    std::ifstream in(folder_.Path() + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  test_support::TempFolder folder_;
  PosixFileSystem files_;
};

TEST_F(PosixFiles, AFileLongerThanTheLimitIsNotKept) {
  // A file that grew past the limit between the size check and the read reads the same way.
  Write("long.txt", std::string(101, 'x'));
  const FileRead read = files_.Read(P("long.txt"), 100);
  EXPECT_TRUE(read.too_long);
  EXPECT_EQ(read.error.number, EFBIG);
  EXPECT_TRUE(read.bytes.empty());
  EXPECT_EQ(files_.Read(P("long.txt"), 101).bytes.size(), 101u);
}

TEST_F(PosixFiles, WhatIsNotAPlainFileIsNamedSo) {
  std::filesystem::create_directory(folder_.Path() + "/dir.txt");
  ASSERT_EQ(::mkfifo((folder_.Path() + "/fifo.txt").c_str(), 0600), 0);
  EXPECT_EQ(files_.Info(P("dir.txt")).kind, FileKind::kFolder);
  EXPECT_EQ(files_.Info(P("fifo.txt")).kind, FileKind::kOther);
  EXPECT_EQ(files_.Info(P("none.txt")).kind, FileKind::kMissing);
  EXPECT_EQ(files_.Read(P("fifo.txt"), 100).error.number, EINVAL);  // and no wait for a writer
  EXPECT_EQ(files_.Replace(P("dir.txt"), "x").number, EISDIR);
  EXPECT_EQ(files_.Replace(P("fifo.txt"), "x").number, EINVAL);
}

TEST_F(PosixFiles, ALinkToNothingIsRefusedAndALinkIsKept) {
  std::filesystem::create_symlink("nowhere.txt", folder_.Path() + "/dangling.txt");
  EXPECT_NE(files_.Replace(P("dangling.txt"), "x").number, 0);
  EXPECT_FALSE(std::filesystem::exists(folder_.Path() + "/nowhere.txt"));
  Write("real.txt", "old");
  std::filesystem::create_symlink("real.txt", folder_.Path() + "/link.txt");
  EXPECT_EQ(files_.Replace(P("link.txt"), "new").number, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(folder_.Path() + "/link.txt"));
  EXPECT_EQ(Bytes("real.txt"), "new");
}

TEST_F(PosixFiles, AFileWithNoWriteBitIsReadOnlyForEveryone) {
  Write("ro.txt", "keep");
  ASSERT_EQ(::chmod((folder_.Path() + "/ro.txt").c_str(), 0444), 0);
  EXPECT_TRUE(files_.Info(P("ro.txt")).read_only);
  EXPECT_EQ(files_.Replace(P("ro.txt"), "lost").number, EACCES);
  EXPECT_EQ(Bytes("ro.txt"), "keep");
}

TEST_F(PosixFiles, RelativePathsAreTakenFromTheStartFolder) {
  const ustring absolute = files_.Absolute(u"memo.txt");
  EXPECT_EQ(absolute.front(), u'/');
  EXPECT_EQ(absolute.substr(absolute.size() - 9), u"/memo.txt");
  EXPECT_EQ(files_.Absolute(u"/x/y.txt"), u"/x/y.txt");
}

}  // namespace
}  // namespace orvo::posix
