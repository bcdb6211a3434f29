// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy's life where a key script cannot reach: a full disk, a
// huge or unreadable copy, a copy whose file is gone, the signal-time write,
// long typing without a pause, and a reading still composing.
#include <filesystem>

#include "files/files_fixture.h"
#include "files/files_texts.h"
#include "files/recovery_file.h"
#include "support/system_failures.h"

namespace orvo::testing {
namespace {

constexpr const char* kCopy = "Orvo_4.recovery";
constexpr const char* kKept = "Orvo_4.recovery-kept-20010514-090000";

class RecoveryCopyTest : public FilesTest {
 protected:
  files::RecoveryCopy& Copy() { return S().program.recovery; }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }
  // Types one cell in braille mode (F あ, FD い, FJ う, FDJ え, FL か) and confirms it.
  void Type(const std::string& chord) { Run("tap F1\nchord " + chord + "\ntap N\ntap F1\n"); }
  std::string Recovered() {
    const auto decoded = files::DecodeRecovery(Bytes(kCopy), S().host.UserId());
    return decoded.record ? ToUtf8(decoded.record->text) : std::string("(refused)");
  }
};

TEST_F(RecoveryCopyTest, AFullDiskKeepsTheCopyBefore) {
  Type("F");
  Run("wait 2000\n");
  ASSERT_EQ(Recovered(), "あ");
  S().files.SetFaultHook([](native::FileStep step) { return step == native::FileStep::kWrite ? test_support::kDiskFull : 0; });
  Type("FD");
  Run("wait 2000\n");
  EXPECT_EQ(Copy().LastError().number, test_support::kDiskFull);
  EXPECT_EQ(Recovered(), "あ");  // the old copy, whole
  S().files.SetFaultHook(nullptr);
  Run("wait 1000\n");
  EXPECT_EQ(Recovered(), "あい");
  EXPECT_FALSE(Copy().LastError());
}

TEST_F(RecoveryCopyTest, LongTypingWithoutAPauseIsWrittenAllTheSame) {
  for (int tick = 0; tick < files::RecoveryCopy::kBusyTicks; ++tick) {
    Type("FL");
    Run("wait 1000\n");
  }
  EXPECT_TRUE(Exists(kCopy));
  EXPECT_EQ(Copy().Writes(), 1U);
}

TEST_F(RecoveryCopyTest, AReadingStillComposingIsInTheCopyWhereTheCaretIs) {
  // The caret moved back to the start, then か typed and not confirmed.
  Run("tap F1\nchord F\ntap N\ntap F1\ntap Home\ntap F1\nchord FL\nwait 2000\n");
  EXPECT_EQ(Text(), u"あ");
  EXPECT_EQ(Recovered(), "かあ");
}

TEST_F(RecoveryCopyTest, TheSignalTimeWriteNeedsNoPause) {
  EXPECT_FALSE(Copy().WriteNow());  // nothing unsaved
  Type("FJ");
  EXPECT_TRUE(Copy().WriteNow());
  EXPECT_EQ(Recovered(), "う");
  Copy().EndNormally();
  EXPECT_FALSE(Exists(kCopy));
  EXPECT_FALSE(Copy().WriteNow());  // the program's own end came first
}

TEST_F(RecoveryCopyTest, ACopyWhoseFileIsGoneComesBackAsANewTextAndIsKeptAside) {
  Write("a.txt", "abc");
  Run("menu mnuFILE_OPEN\ndialog a.txt\ntap End\n");
  Type("FDJ");
  Run("wait 2000\n");
  ASSERT_TRUE(Exists(kCopy));
  std::filesystem::remove(Path("a.txt"));
  RestartWith("click frmMsgEx.cmdBTN[0]\n");
  const auto& history = S().program.messages.History();
  ASSERT_FALSE(history.empty());
  EXPECT_NE(history.front().text.find(files::text::kRecoveryFileGone), std::u16string::npos);
  EXPECT_EQ(Text(), u"abcえ");
  EXPECT_TRUE(Modified());
  EXPECT_EQ(S().program.documents.State().Kind, files::DocumentKind::kNew);
  EXPECT_TRUE(S().program.documents.State().CurrentPath.empty());
  EXPECT_TRUE(Exists(kKept));
  EXPECT_FALSE(Exists("a.txt"));  // nothing was written for the user
  Run("wait 2000\n");
  EXPECT_EQ(Recovered(), "abcえ");
}

TEST_F(RecoveryCopyTest, HugeAndUnreadableCopiesAreKeptAsideWithAMessage) {
  Write(kCopy, std::string("ORVO-RECOVERY 2\n") + std::string(files::kMaxRecoveryBytes + 10, 'x'));
  RestartWith("tap Enter\n");
  EXPECT_NE(LastMessage().find(files::text::kRecoveryTooLarge), std::u16string::npos);
  EXPECT_TRUE(Exists(kKept));
  EXPECT_FALSE(Exists(kCopy));
  EXPECT_EQ(Text(), u"");

  std::filesystem::create_directory(Path(kCopy));  // not a file at all
  RestartWith("tap Enter\n");
  EXPECT_NE(LastMessage().find(files::text::kRecoveryUnreadable), std::u16string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(Path(std::string(kKept) + "-2")));
}

}  // namespace
}  // namespace orvo::testing
