// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail on Windows: each step of the file layer with the system's
// numbers and words, a read-only file, and a file another program holds.
#include <windows.h>

#include <string>

#include "files/save_faults_fixture.h"
#include "platform/win32/wide_text.h"

namespace orvo::testing {
namespace {

std::u16string Description(int number) { return native::SystemFailure(number).description; }

TEST_F(SaveFaults, EveryStepOfAnOverwriteOrASaveAsFailsSafely) {
  struct Case {
    FileStep step;
    int error;
    const char* command;
    const char16_t* tag;
  };
  const Case cases[] = {
      {FileStep::kCreate, ERROR_ACCESS_DENIED, "menu mnuFILE_SAVE\n", u"Save_Over_Err-"},
      {FileStep::kWrite, ERROR_DISK_FULL, "menu mnuFILE_SAVE\n", u"Save_Over_Err-"},
      {FileStep::kFlush, ERROR_IO_DEVICE, "menu mnuFILE_SAVE\n", u"Save_Over_Err-"},
      {FileStep::kRename, ERROR_NOT_SAME_DEVICE, "menu mnuFILE_SAVE\n", u"Save_Over_Err-"},
      {FileStep::kCreate, ERROR_ACCESS_DENIED, "menu mnuFILE_SAVEAS\ndialog doc.txt\n", u"Save_AD_Err-"},
      {FileStep::kWrite, ERROR_DISK_FULL, "menu mnuFILE_SAVEAS\ndialog doc.txt\n", u"Save_AD_Err-"},
      {FileStep::kFlush, ERROR_IO_DEVICE, "menu mnuFILE_SAVEAS\ndialog doc.txt\n", u"Save_AD_Err-"},
      {FileStep::kRename, ERROR_NOT_SAME_DEVICE, "menu mnuFILE_SAVEAS\ndialog doc.txt\n", u"Save_AD_Err-"},
  };
  for (const Case& c : cases) {
    const std::u16string told = Told(c.tag, c.error, Description(c.error).c_str());
    SCOPED_TRACE(ToUtf8(told));
    ASSERT_FALSE(Description(c.error).empty());
    Restart();
    OpenAndEdit();
    FailAt(c.step, c.error);
    Run(c.command + std::string("tap Enter\n"));
    EXPECT_EQ(LastMessage(), told);
    ExpectNothingLost();
    // Once the disk is back, the same command saves.
    S().files.SetFaultHook(nullptr);
    Run(c.command + std::string("tap Enter\n"));
    EXPECT_EQ(Bytes("doc.txt"), "old text\nsecond line\na");
    EXPECT_FALSE(Modified());
  }
}

TEST_F(SaveFaults, AReadOnlyFileIsNeverReplaced) {
  OpenAndEdit();
  const std::wstring path = win32::WideFromUtf8(Path("doc.txt"));
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  // The save dialog follows; choosing the same file again is refused as well.
  Run("menu mnuFILE_SAVE\ntap Enter\ndialog doc.txt\ntap Enter\n");
  const auto& told = S().program.messages.History();
  ASSERT_GE(told.size(), 2u);
  EXPECT_EQ(told[told.size() - 2].text, u"ファイルは上書き禁止（読み取り専用）です！\u3000\u3000\u3000\u3000");
  EXPECT_EQ(LastMessage(), Told(u"Save_AD_Err-", ERROR_FILE_READ_ONLY, u"読み取り専用のファイルです"));
  ExpectNothingLost();
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SaveFaults, AFileAnotherProgramHoldsIsKeptAndSavedOnceItIsFree) {
  OpenAndEdit();
  const std::wstring path = win32::WideFromUtf8(Path("doc.txt"));
  HANDLE other = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  Run("menu mnuFILE_SAVE\ntap Enter\n");
  EXPECT_EQ(LastMessage(), Told(u"Save_Over_Err-", ERROR_SHARING_VIOLATION, u"ほかのプログラムが使用中のファイルです"));
  ExpectNothingLost();
  CloseHandle(other);
  Run("menu mnuFILE_SAVE\ntap Enter\n");
  EXPECT_EQ(Bytes("doc.txt"), "old text\nsecond line\na");
  EXPECT_FALSE(Modified());
}

}  // namespace
}  // namespace orvo::testing
