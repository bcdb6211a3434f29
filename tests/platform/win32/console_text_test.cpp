// SPDX-License-Identifier: GPL-3.0-or-later
// Messages from a Windows console program: the console's code page to a
// file or pipe (a character it has not is '?',
// never a look-alike), data as the UTF-8 it is; a character cut between two
// writes waits until it is whole. (A console itself is tested with the
// window's tests, which have the display Wine's console needs.)
#include "platform/win32/console_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/win32/wide_text.h"
#include "support/temp_folder.h"

namespace orvo::win32 {
namespace {

// "変換できません: café ゔ" in CP932; é and ゔ are not in it.
constexpr char kMessage[] = "変換できません: café ゔ\n";

class ConsoleFile : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = WideFromUtf8(folder_.Path() + "\\out.txt");
    handle_ = CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(handle_, INVALID_HANDLE_VALUE);
  }
  void TearDown() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  std::string Written() const {
    HANDLE in = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr);
    std::string bytes(4096, '\0');
    DWORD read = 0;
    ReadFile(in, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(in);
    bytes.resize(read);
    return bytes;
  }

  test_support::TempFolder folder_;
  std::wstring path_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

TEST(StreamBytes, MessagesTakeTheCodePageAndDataStaysUtf8) {
  EXPECT_EQ(StreamBytes(kMessage, StreamText::kMessages, 932),
            "\x95\xcf\x8a\xb7\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1: caf? ?\n");
  EXPECT_EQ(StreamBytes(kMessage, StreamText::kMessages, CP_UTF8), kMessage);
  EXPECT_EQ(StreamBytes(kMessage, StreamText::kData, 932), kMessage);
  EXPECT_EQ(StreamBytes("", StreamText::kMessages, 932), "");
}

TEST_F(ConsoleFile, AFileIsGivenMessagesInTheConsolesCodePage) {
  UINT code_page = GetConsoleOutputCP();
  if (code_page == 0) code_page = GetACP();
  ASSERT_TRUE(WriteStreamText(handle_, kMessage, StreamText::kMessages));
  ASSERT_TRUE(WriteStreamText(handle_, "{\"text\": \"ゔ\"}", StreamText::kData));
  EXPECT_EQ(Written(), StreamBytes(kMessage, StreamText::kMessages, code_page) + "{\"text\": \"ゔ\"}");
  if (GetACP() == 932) {
    EXPECT_EQ(Written().substr(0, 2), "\x95\xcf") << "a Japanese system's code page";
  }
  EXPECT_FALSE(WriteStreamText(INVALID_HANDLE_VALUE, kMessage, StreamText::kMessages));
}

TEST_F(ConsoleFile, ACharacterCutBetweenWritesWaitsUntilItIsWhole) {
  ConsoleStreamBuf buffer(handle_, StreamText::kData);
  std::ostream out(&buffer);
  const std::string word = "日本";  // six bytes
  out << word.substr(0, 4) << std::flush;
  EXPECT_EQ(Written(), "日") << "the first character alone";
  out << word.substr(4) << "語" << std::flush;
  EXPECT_EQ(Written(), "日本語");
  out << "x";
  EXPECT_EQ(Written(), "日本語") << "nothing before a flush";
  out.flush();
  EXPECT_EQ(Written(), "日本語x");
}

}  // namespace
}  // namespace orvo::win32
