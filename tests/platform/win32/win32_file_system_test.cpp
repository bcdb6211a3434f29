// SPDX-License-Identifier: GPL-3.0-or-later
// What the Windows file layer refuses and keeps, against the system's own
// functions: long paths, read-only and locked files, faults at every step.
#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/long_path.h"
#include "platform/win32/wide_text.h"
#include "support/temp_folder.h"

namespace orvo::win32 {
namespace {

class Win32Files : public ::testing::Test {
 protected:
  ustring P(const std::string& name) const { return FromUtf8(folder_.Path() + "\\" + name); }
  std::wstring W(const std::string& name) const { return SystemPath(P(name)); }
  void Write(const std::string& name, const std::string& bytes) const {
    ASSERT_FALSE(files_.Replace(P(name), bytes)) << name;
  }
  std::string Bytes(const std::string& name) const {
    const FileRead read = files_.Read(P(name), 1 << 20);
    return read.error ? "(unreadable)" : read.bytes;
  }
  // The names in the folder, the hidden temporaries of a replacement included.
  std::vector<std::wstring> Names(const std::string& sub = "") const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const std::wstring pattern = SystemPath(P(sub.empty() ? "*" : sub + "\\*"));
    HANDLE h = FindFirstFileW(pattern.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return names;
  }

  test_support::TempFolder folder_;
  mutable Win32FileSystem files_;
};

TEST_F(Win32Files, ReplacesAndReadsPastTheOldPathLimit) {
  std::string deep = "d";
  ASSERT_TRUE(CreateDirectoryW(W(deep).c_str(), nullptr)) << GetLastError();
  for (int i = 0; i < 12; ++i) {
    deep += "\\" + std::string(30, static_cast<char>('a' + i));
    ASSERT_TRUE(CreateDirectoryW(W(deep).c_str(), nullptr)) << GetLastError();
  }
  const std::string name = deep + "\\文書.txt";
  ASSERT_GT(P(name).size(), static_cast<std::size_t>(MAX_PATH));
  EXPECT_FALSE(files_.Replace(P(name), "first"));
  EXPECT_FALSE(files_.Replace(P(name), "second, longer"));
  EXPECT_EQ(Bytes(name), "second, longer");
  EXPECT_EQ(files_.Info(P(name)).kind, FileKind::kRegular);
  EXPECT_EQ(files_.Info(P(name)).length, 14);
  EXPECT_EQ(Names(deep), std::vector<std::wstring>{L"文書.txt"});
  EXPECT_FALSE(files_.Remove(P(name)));
  EXPECT_EQ(files_.Info(P(name)).kind, FileKind::kMissing);
}

TEST_F(Win32Files, AReadOnlyFileIsRefusedAndKept) {
  Write("ro.txt", "keep");
  ASSERT_TRUE(SetFileAttributesW(W("ro.txt").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(files_.Info(P("ro.txt")).read_only);
  const FileError error = files_.Replace(P("ro.txt"), "lost");
  EXPECT_EQ(error.number, ReadOnlyFailure().number);
  EXPECT_EQ(error.description, u"読み取り専用のファイルです");
  EXPECT_EQ(Bytes("ro.txt"), "keep");
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"ro.txt"});
  SetFileAttributesW(W("ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Win32Files, AFileAnotherProgramHoldsIsRefusedBeforeAnythingIsWritten) {
  Write("held.txt", "keep");
  // As an editor that lets others read the file but not write it.
  HANDLE other = CreateFileW(W("held.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  const FileError error = files_.Replace(P("held.txt"), "lost");
  EXPECT_EQ(error.number, ERROR_SHARING_VIOLATION);
  EXPECT_EQ(error.description, u"ほかのプログラムが使用中のファイルです");
  EXPECT_EQ(Bytes("held.txt"), "keep");  // reading is still allowed
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"held.txt"});
  CloseHandle(other);
  EXPECT_FALSE(files_.Replace(P("held.txt"), "now"));
  EXPECT_EQ(Bytes("held.txt"), "now");
}

// Locked whole (share mode none, as some programs hold their files): neither
// read nor replaced, each refusal named, and the file as it was once let go.
TEST_F(Win32Files, AFileLockedWholeIsRefusedForReadingAndWritingAndKept) {
  Write("locked.txt", "keep");
  HANDLE other = CreateFileW(W("locked.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  const FileRead read = files_.Read(P("locked.txt"), 1 << 20);
  EXPECT_EQ(read.error.number, ERROR_SHARING_VIOLATION);
  EXPECT_EQ(read.error.description, u"ほかのプログラムが使用中のファイルです");
  const FileError error = files_.Replace(P("locked.txt"), "lost");
  EXPECT_EQ(error.number, ERROR_SHARING_VIOLATION);
  EXPECT_EQ(error.description, u"ほかのプログラムが使用中のファイルです");
  EXPECT_EQ(Names(), std::vector<std::wstring>{L"locked.txt"}) << "no temporary left behind";
  CloseHandle(other);
  EXPECT_EQ(Bytes("locked.txt"), "keep");
}

// Names the ANSI code page (932) cannot hold: the file layer speaks the
// system's wide names, so nothing is turned into '?' on the way.
TEST_F(Win32Files, NamesTheCodePageCannotHoldAreWrittenAndReadWhole) {
  const std::wstring file = L"\U0001F600메모.txt";
  BOOL lost = FALSE;
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, file.c_str(), -1, nullptr, 0, nullptr, &lost);
  ASSERT_TRUE(lost) << "the name is one the code page cannot hold";
  ASSERT_TRUE(CreateDirectoryW(W("한국").c_str(), nullptr));
  const std::string name = "한국\\\U0001F600메모.txt";
  EXPECT_FALSE(files_.Replace(P(name), "内容"));
  EXPECT_EQ(Bytes(name), "内容");
  EXPECT_EQ(Names("한국"), std::vector<std::wstring>{file});
  EXPECT_EQ(files_.Info(P(name)).kind, FileKind::kRegular);
  EXPECT_FALSE(files_.Remove(P(name)));
  RemoveDirectoryW(W("한국").c_str());
}

TEST_F(Win32Files, AFailureAtAnyStepKeepsTheOldFileAndLeavesNothingBehind) {
  Write("doc.txt", "old");
  for (const FileStep step : {FileStep::kCreate, FileStep::kWrite, FileStep::kFlush, FileStep::kRename}) {
    SCOPED_TRACE(static_cast<int>(step));
    files_.SetFaultHook([step](FileStep at) { return at == step ? ERROR_DISK_FULL : 0ul; });
    const FileError error = files_.Replace(P("doc.txt"), "new");
    EXPECT_EQ(error.number, ERROR_DISK_FULL);
    EXPECT_FALSE(error.description.empty());
    files_.SetFaultHook(nullptr);
    EXPECT_EQ(Bytes("doc.txt"), "old");
    EXPECT_EQ(Names(), std::vector<std::wstring>{L"doc.txt"});
  }
}

TEST_F(Win32Files, ReplacingKeepsTheFilesAttributes) {
  Write("hidden.txt", "old");
  ASSERT_TRUE(SetFileAttributesW(W("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
  EXPECT_FALSE(files_.Replace(P("hidden.txt"), "new"));
  EXPECT_EQ(Bytes("hidden.txt"), "new");
  EXPECT_NE(GetFileAttributesW(W("hidden.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST_F(Win32Files, WhatIsNotAFileIsNamedSo) {
  ASSERT_TRUE(CreateDirectoryW(W("dir.txt").c_str(), nullptr));
  EXPECT_EQ(files_.Info(P("dir.txt")).kind, FileKind::kFolder);
  EXPECT_EQ(files_.Info(P("none.txt")).kind, FileKind::kMissing);
  EXPECT_EQ(files_.Read(P("dir.txt"), 100).error.number, FolderFailure().number);
  EXPECT_EQ(files_.Replace(P("dir.txt"), "x").description, u"フォルダーです");
  EXPECT_EQ(files_.Read(P("none.txt"), 100).error.number, ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(files_.Read(P("none.txt"), 100).error.description.empty());
}

TEST_F(Win32Files, AFileLongerThanTheLimitIsNotKept) {
  Write("long.txt", std::string(101, 'x'));
  const FileRead read = files_.Read(P("long.txt"), 100);
  EXPECT_TRUE(read.too_long);
  EXPECT_EQ(read.error.number, TooLongFailure().number);
  EXPECT_TRUE(read.bytes.empty());
  EXPECT_EQ(files_.Read(P("long.txt"), 101).bytes.size(), 101u);
}

TEST_F(Win32Files, RelativePathsAreTakenFromTheStartFolder) {
  const ustring absolute = files_.Absolute(u"memo.txt");
  ASSERT_GT(absolute.size(), 12u);
  EXPECT_EQ(absolute[1], u':');
  EXPECT_EQ(absolute.substr(absolute.size() - 9), u"\\memo.txt");
  EXPECT_EQ(files_.Absolute(u"C:\\x\\y.txt"), u"C:\\x\\y.txt");
  EXPECT_EQ(files_.Absolute(u"\\\\server\\share\\y.txt"), u"\\\\server\\share\\y.txt");
  EXPECT_EQ(files_.Absolute(u"\\y.txt"), absolute.substr(0, 2) + u"\\y.txt");
}

TEST(LongPaths, OnlyLongPathsTakeThePrefix) {
  EXPECT_EQ(SystemPath(u"C:/a/b.txt"), L"C:\\a\\b.txt");
  const ustring long_path = u"C:\\" + ustring(300, u'x');
  EXPECT_EQ(SystemPath(long_path), L"\\\\?\\" + Wide(long_path));
  EXPECT_EQ(SystemPath(u"\\\\server\\share\\" + ustring(300, u'x')).substr(0, 8), L"\\\\?\\UNC\\");
  EXPECT_EQ(WithoutPrefix(L"\\\\?\\UNC\\server\\x"), L"\\\\server\\x");
}

}  // namespace
}  // namespace orvo::win32
