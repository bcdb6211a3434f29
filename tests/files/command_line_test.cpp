// SPDX-License-Identifier: GPL-3.0-or-later
// The file named on the command line opens at the first activation; a name
// that cannot open leaves a new text and says why.
#include <string>

#include "files/files_fixture.h"

namespace orvo::testing {
namespace {

using CommandLine = FilesTest;

TEST_F(CommandLine, AGivenFileOpensWithTheGivenPathTitle) {
  Write("memo.txt", "memo");
  Restart(Path("memo.txt"));
  EXPECT_EQ(Text(), u"memo");
  EXPECT_EQ(S().Main().Caption(), u" Ｏ ｒｖｏ ４ － memo.txt  ( 4 byte )");
  EXPECT_EQ(S().program.documents.State().Kind, files::DocumentKind::kFile);
  EXPECT_EQ(S().Main().RecentItem(1).Caption(), u"memo.txt");
  EXPECT_TRUE(S().program.values.CommandLine.empty());
}

TEST_F(CommandLine, AMissingFileIsToldWithItsPathAndANewTextStarts) {
  Restart(Path("gone.txt"));
  EXPECT_EQ(LastMessage(), u"ファイルが見つかりません！\u3000\u3000\u3000" + FromUtf8(Path("gone.txt")));
  EXPECT_EQ(S().Main().Caption(), u" Ｏ ｒｖｏ ４ － 新規.txt");
  EXPECT_EQ(S().program.documents.State().Kind, files::DocumentKind::kNew);
}

TEST_F(CommandLine, OtherKindsAreRefusedAndUpperCaseNamesOpen) {
  Write("memo.doc", "doc");
  Restart(Path("memo.doc"));
  EXPECT_EQ(LastMessage(), u"対応ファイル形式は テキストファイル（．txt）だけです！\u3000\u3000\u3000\u3000");
  EXPECT_EQ(Text(), u"");

  Write("LOUD.TXT", "loud");
  Restart(Path("LOUD.TXT"));
  EXPECT_EQ(Text(), u"loud");
#if defined(_WIN32)
  // Windows' file names ignore letter case: LOUD.txt is the same file.
  EXPECT_EQ(S().program.documents.State().CurrentName, u"LOUD.txt");
#else
  EXPECT_EQ(S().program.documents.State().CurrentName, u"LOUD.TXT");  // no such file as LOUD.txt here
#endif
}

TEST_F(CommandLine, ClosingAModifiedTextAsksAndCancelKeepsItOpen) {
  Write("memo.txt", "memo");
  Restart(Path("memo.txt"));
  Run("tap A\n");
  S().Main().Close();
  EXPECT_EQ(LastMessage(), u"現在のテキストは 変更されています。　保存しますか？\u3000\u3000\u3000");
}

}  // namespace
}  // namespace orvo::testing
