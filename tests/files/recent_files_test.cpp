// SPDX-License-Identifier: GPL-3.0-or-later
// The history submenu: newest first, each file once, four shown, the history
// folded back when it fills, and entries of files that are gone dropped.
#include <filesystem>
#include <string>
#include <vector>

#include "files/files_fixture.h"
#include "files/recent_files.h"

namespace orvo::testing {
namespace {

class Recent : public FilesTest {
 protected:
  void OpenFile(const std::string& name) {
    if (!std::filesystem::exists(Path(name))) Write(name, name);
    Run("menu mnuFILE_OPEN\ndialog " + name + "\n");
  }
  std::vector<std::u16string> Shown() {
    std::vector<std::u16string> captions;
    for (int i = 1; i <= 4; ++i) {
      const forms::MenuEntry& item = S().Main().RecentItem(i);
      if (item.Visible()) captions.push_back(item.Caption());
    }
    return captions;
  }
};

TEST_F(Recent, AnEmptyHistoryShowsNoneAndChoosingItDoesNothing) {
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"なし"}));
  Run("menu mnuMRU1\n");
  EXPECT_TRUE(S().program.messages.History().empty());
}

TEST_F(Recent, AFileOpenedAgainMovesToTheTopOnce) {
  OpenFile("a.txt");
  OpenFile("b.txt");
  OpenFile("a.txt");
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"a.txt", u"b.txt"}));
  // A name differing only in letter case is another file.
  OpenFile("A.txt");
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"A.txt", u"a.txt", u"b.txt"}));
}

TEST_F(Recent, FourAreShownAndTheHistoryFoldsBackWhenItFills) {
  for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"}) OpenFile(name);
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"5.txt", u"4.txt", u"3.txt", u"2.txt"}));
  for (const char* name : {"6.txt", "7.txt", "8.txt"}) OpenFile(name);
  // The eighth addition folded the history to the four shown.
  EXPECT_EQ(S().program.recent.Count(), 4);
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"8.txt", u"7.txt", u"6.txt", u"5.txt"}));
  const auto& slots = S().program.recent.History();
  for (std::size_t i = 4; i < slots.size(); ++i) EXPECT_TRUE(slots[i].empty()) << i;
}

TEST_F(Recent, TheOpenFileCannotBeOpenedAgainFromTheTopUntilNew) {
  OpenFile("a.txt");
  Run("menu mnuMRU1\ntap Enter\n");
  EXPECT_EQ(LastMessage(), u"現在、同ファイルを開いています！\u3000\u3000\u3000\u3000");
  Run("menu mnuFILE_NEW\ntap Enter\nmenu mnuMRU1\n");
  EXPECT_EQ(Text(), u"a.txt");
}

TEST_F(Recent, AnEntryWhoseFileIsGoneIsDropped) {
  OpenFile("a.txt");
  OpenFile("b.txt");
  std::filesystem::remove(Path("a.txt"));
  Run("menu mnuMRU2\ntap Enter\n");
  EXPECT_EQ(LastMessage(), u"ファイルが見つかりません！\u3000\u3000\u3000\u3000");
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"b.txt"}));
  EXPECT_EQ(Text(), u"b.txt");
}

TEST_F(Recent, TheHistorySurvivesTheNextStart) {
  OpenFile("a.txt");
  OpenFile("b.txt");
  Run("tap Esc\ntap Enter\n");  // closes the editor
  ASSERT_TRUE(S().host.Ended());
  Restart();
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"b.txt", u"a.txt"}));
  Run("menu mnuMRU2\n");
  EXPECT_EQ(Text(), u"a.txt");
}

TEST(RecentEntry, SplitsAtTheBackslashBeforeTheAbsolutePath) {
  const auto plain = files::SplitEntry(u"memo.txt\\/home/u/memo.txt", u'/');
  EXPECT_EQ(plain.name, u"memo.txt");
  EXPECT_EQ(plain.path, u"/home/u/memo.txt");
  const auto odd = files::SplitEntry(u"a\\b.txt\\/home/u/a\\b.txt", u'/');
  EXPECT_EQ(odd.name, u"a\\b.txt");
  EXPECT_EQ(odd.path, u"/home/u/a\\b.txt");
  const auto windows = files::SplitEntry(u"memo.txt\\C:\\docs\\memo.txt", u'\\');
  EXPECT_EQ(windows.path, u"C:\\docs\\memo.txt");
  EXPECT_EQ(files::SplitEntry(u"nothing", u'/').path, u"");
}

}  // namespace
}  // namespace orvo::testing
