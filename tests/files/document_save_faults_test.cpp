// SPDX-License-Identifier: GPL-3.0-or-later
// A save that fails at any step loses nothing: the old file stays byte for
// byte, the text stays in the editor and stays marked modified, and the
// failure is told.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <filesystem>
#include <string>

#include "files/files_fixture.h"
#include "platform/posix/posix_file_system.h"

namespace orvo::testing {
namespace {

using posix::FileStep;

constexpr const char* kOld = "old text\nsecond line\n";

class SaveFaults : public FilesTest {
 protected:
  // The tag and the number, a space, the system's description, then the file.
  std::u16string Told(const char16_t* tag, int number, const char16_t* description) {
    return std::u16string(tag) + FromUtf8(std::to_string(number)) + u" " + description + u"\r\n\r\nファイル：" +
           FromUtf8(Path("doc.txt"));
  }
  // doc.txt open, with a typed at its end.
  void OpenAndEdit() {
    Write("doc.txt", kOld);
    Run("menu mnuFILE_OPEN\ndialog doc.txt\ntap Down\ntap Down\ntap A\n");
    ASSERT_EQ(Text(), u"old text\r\nsecond line\r\na");
    ASSERT_TRUE(Modified());
  }
  void FailAt(FileStep step, int error) {
    S().files.SetFaultHook([step, error](FileStep at) { return at == step ? error : 0; });
  }
  void ExpectNothingLost() {
    EXPECT_EQ(Bytes("doc.txt"), kOld);
    EXPECT_EQ(Text(), u"old text\r\nsecond line\r\na");
    EXPECT_TRUE(Modified());
    for (const auto& entry : std::filesystem::directory_iterator(Path(""))) {
      const std::string name = entry.path().filename().string();
      EXPECT_FALSE(name.starts_with(".doc.txt")) << "left behind: " << name;
    }
  }
};

TEST_F(SaveFaults, EveryStepOfAnOverwriteOrASaveAsFailsSafely) {
  struct Case {
    FileStep step;
    int error;
    const char* command;
    std::u16string told;
  };
  const Case cases[] = {
      {FileStep::kCreate, EACCES, "menu mnuFILE_SAVE\n", Told(u"Save_Over_Err-", 13, u"Permission denied")},
      {FileStep::kWrite, ENOSPC, "menu mnuFILE_SAVE\n", Told(u"Save_Over_Err-", 28, u"No space left on device")},
      {FileStep::kFlush, EIO, "menu mnuFILE_SAVE\n", Told(u"Save_Over_Err-", 5, u"Input/output error")},
      {FileStep::kRename, EXDEV, "menu mnuFILE_SAVE\n", Told(u"Save_Over_Err-", 18, u"Invalid cross-device link")},
      {FileStep::kCreate, EACCES, "menu mnuFILE_SAVEAS\ndialog doc.txt\n", Told(u"Save_AD_Err-", 13, u"Permission denied")},
      {FileStep::kWrite, ENOSPC, "menu mnuFILE_SAVEAS\ndialog doc.txt\n", Told(u"Save_AD_Err-", 28, u"No space left on device")},
      {FileStep::kFlush, EIO, "menu mnuFILE_SAVEAS\ndialog doc.txt\n", Told(u"Save_AD_Err-", 5, u"Input/output error")},
      {FileStep::kRename, EXDEV, "menu mnuFILE_SAVEAS\ndialog doc.txt\n", Told(u"Save_AD_Err-", 18, u"Invalid cross-device link")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.told));
    Restart();
    OpenAndEdit();
    FailAt(c.step, c.error);
    Run(c.command + std::string("tap Enter\n"));
    EXPECT_EQ(LastMessage(), c.told);
    ExpectNothingLost();
    // Once the disk is back, the same command saves.
    S().files.SetFaultHook(nullptr);
    Run(c.command + std::string("tap Enter\n"));
    EXPECT_EQ(Bytes("doc.txt"), "old text\nsecond line\na");
    EXPECT_FALSE(Modified());
  }
}

// Under a Japanese locale the system's description is Japanese (libc's own,
// from libc-l10n; tools/install-deps makes the ja_JP.UTF-8 locale).
TEST_F(SaveFaults, TheSystemsDescriptionIsInTheUsersLanguage) {
  const char* before = std::setlocale(LC_ALL, nullptr);
  const std::string saved = before != nullptr ? before : "C";
  ASSERT_NE(std::setlocale(LC_ALL, "ja_JP.UTF-8"), nullptr) << "no ja_JP.UTF-8 locale: run tools/install-deps";
  OpenAndEdit();
  FailAt(FileStep::kWrite, ENOSPC);
  Run("menu mnuFILE_SAVE\ntap Enter\n");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(LastMessage(), Told(u"Save_Over_Err-", 28, u"デバイスに空き領域がありません"));
  ExpectNothingLost();
}

TEST_F(SaveFaults, AFileDeletedMeanwhileIsSavedUnderANewNameOrKept) {
  OpenAndEdit();
  std::filesystem::remove(Path("doc.txt"));
  Run("menu mnuFILE_SAVE\ntap Enter\ndialog cancel\n");
  EXPECT_EQ(LastMessage(), u"元のファイルが見つかりません！\u3000\u3000\u3000\u3000");
  EXPECT_EQ(Text(), u"old text\r\nsecond line\r\na");
  EXPECT_TRUE(Modified());
  Run("menu mnuFILE_SAVE\ntap Enter\ndialog again.txt\ntap Enter\n");
  EXPECT_EQ(Bytes("again.txt"), "old text\nsecond line\na");
  EXPECT_FALSE(Modified());
}

TEST_F(SaveFaults, AReadOnlyFileIsNeverReplaced) {
  OpenAndEdit();
  ASSERT_EQ(::chmod(Path("doc.txt").c_str(), 0444), 0);
  // The save dialog follows; choosing the same file again is refused as well.
  Run("menu mnuFILE_SAVE\ntap Enter\ndialog doc.txt\ntap Enter\n");
  const auto& told = S().program.messages.History();
  ASSERT_GE(told.size(), 2u);
  EXPECT_EQ(told[told.size() - 2].text, u"ファイルは上書き禁止（読み取り専用）です！\u3000\u3000\u3000\u3000");
  EXPECT_EQ(LastMessage(), Told(u"Save_AD_Err-", 13, u"Permission denied"));
  ExpectNothingLost();
}

TEST_F(SaveFaults, AFolderThatCannotBeWrittenKeepsItsFile) {
  OpenAndEdit();
  const std::string folder = Path("");
  const bool all_powerful = ::geteuid() == 0;
  if (all_powerful) {
    FailAt(FileStep::kCreate, EACCES);  // permissions do not stop this user: the file layer stands in
  } else {
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  }
  Run("menu mnuFILE_SAVE\ntap Enter\n");
  EXPECT_EQ(LastMessage(), Told(u"Save_Over_Err-", 13, u"Permission denied"));
  ::chmod(folder.c_str(), 0755);
  ExpectNothingLost();
}

TEST_F(SaveFaults, ReplacingKeepsPermissionsAndFollowsLinks) {
  Write("target.txt", "before");
  ASSERT_EQ(::chmod(Path("target.txt").c_str(), 0640), 0);
  std::filesystem::create_symlink("target.txt", Path("link.txt"));
  Run("menu mnuFILE_OPEN\ndialog link.txt\ntap End\ntap A\nmenu mnuFILE_SAVE\ntap Enter\n");
  EXPECT_TRUE(std::filesystem::is_symlink(Path("link.txt")));
  EXPECT_EQ(Bytes("target.txt"), "beforea");
  struct stat st {};
  ASSERT_EQ(::stat(Path("target.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(SaveFaults, ACharacterTheCodePageLacksIsToldAndNothingIsWritten) {
  OpenAndEdit();
  // U+2603 SNOWMAN is not in CP932.
  S().Main().ActiveTextBox().SetSel(0, 0);
  S().Main().ActiveTextBox().ReplaceSel(u"x\r\ny\u2603");
  Run("menu mnuFILE_SAVE\ntap Enter\n");
  EXPECT_NE(LastMessage().find(u"\u2603"), std::u16string::npos);
  EXPECT_NE(LastMessage().find(u"2 行目"), std::u16string::npos);
  EXPECT_EQ(Bytes("doc.txt"), kOld);
  EXPECT_TRUE(Modified());
}

}  // namespace
}  // namespace orvo::testing
