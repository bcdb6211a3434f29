// SPDX-License-Identifier: GPL-3.0-or-later
// A save that fails at any step loses nothing: the old file stays byte for
// byte, the text stays in the editor and stays marked modified, and the
// failure is told.
#include "files/save_faults_fixture.h"

namespace orvo::testing {
namespace {

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
