// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail on a POSIX system: each step of the file layer with libc's
// numbers and words, permissions, and links.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <filesystem>
#include <string>

#include "files/save_faults_fixture.h"

namespace orvo::testing {
namespace {

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

}  // namespace
}  // namespace orvo::testing
