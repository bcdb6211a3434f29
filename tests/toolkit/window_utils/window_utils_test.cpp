// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "toolkit/window_utils/menu_check_bitmaps.h"
#include "toolkit/window_utils/windows_folder.h"
#include "toolkit/window_utils/work_area.h"
#include "frontends/headless/headless_shell.h"

namespace orvo {

// gtest finds printers beside the type.
void PrintTo(const WorkArea& a, std::ostream* os) {
  *os << '{' << a.WorkAreaLeft << ", " << a.WorkAreaTop << ", " << a.WorkAreaWidth << ", "
      << a.WorkAreaHeight << '}';
}

namespace {

// Twips per pixel differ by axis, so a swapped axis shows.
constexpr int kTx = 15;
constexpr int kTy = 12;

WorkArea Twips(int left, int top, int width, int height) {
  return {left * kTx, top * kTy, width * kTx, height * kTy};
}

TEST(WorkArea, TaskBarPlacements) {
  struct Case {
    const char* name;
    std::optional<Rect> bar;
    int w, h;
    WorkArea expected;
  };
  const Case cases[] = {
      {"no task bar", std::nullopt, 1024, 768, Twips(0, 0, 1024, 768)},
      {"bottom", Rect{0, 738, 1024, 30}, 1024, 768, Twips(0, 0, 1024, 738)},
      {"top, 30 high", Rect{0, 0, 1024, 30}, 1024, 768, Twips(0, 30, 1024, 738)},
      {"right", Rect{960, 0, 64, 768}, 1024, 768, Twips(0, 0, 960, 768)},
      {"left", Rect{0, 0, 64, 768}, 1024, 768, Twips(64, 0, 960, 768)},
      {"covering the screen", Rect{0, 0, 1024, 768}, 1024, 768, Twips(0, 0, 1024, 768)},
      {"bigger than the screen", Rect{-5, -5, 1100, 800}, 1024, 768, Twips(0, 0, 1024, 768)},
      // Right is judged before bottom: a bar in the lower right corner counts as right.
      {"lower right corner", Rect{900, 700, 124, 68}, 1024, 768, Twips(0, 0, 900, 768)},
      // Bottom before left, top before left.
      {"lower left corner", Rect{0, 700, 100, 68}, 1024, 768, Twips(0, 0, 1024, 700)},
      {"upper left corner", Rect{0, 0, 100, 30}, 1024, 768, Twips(0, 30, 1024, 738)},
      // Halves by integer division: 1023 / 2 is 511.
      {"left edge just past half", Rect{512, 0, 511, 600}, 1023, 600, Twips(0, 0, 512, 600)},
      {"left edge at half", Rect{512, 0, 512, 768}, 1024, 768, Twips(0, 0, 1024, 768)},
      {"top edge at half", Rect{0, 384, 1024, 384}, 1024, 768, Twips(0, 0, 1024, 768)},
      {"bottom edge just under half", Rect{0, 0, 1024, 383}, 1024, 768, Twips(0, 383, 1024, 385)},
      {"right edge just under half", Rect{0, 0, 511, 768}, 1024, 768, Twips(511, 0, 513, 768)},
      // An auto-hidden bar sits mostly off the screen; the area stays on it.
      {"hidden off the right", Rect{1022, 0, 64, 768}, 1024, 768, Twips(0, 0, 1022, 768)},
      {"wholly off the right", Rect{1030, 0, 64, 768}, 1024, 768, Twips(0, 0, 1024, 768)},
      {"hidden above the top", Rect{0, -28, 1024, 30}, 1024, 768, Twips(0, 2, 1024, 766)},
      {"wholly above the top", Rect{0, -40, 1024, 30}, 1024, 768, Twips(0, 0, 1024, 768)},
      {"wholly off the left", Rect{-80, 0, 64, 768}, 1024, 768, Twips(0, 0, 1024, 768)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QueryWorkArea(c.bar, c.w, c.h, kTx, kTy), c.expected) << c.name;
  }
}

TEST(WindowsFolder, TrimmedAndWithoutTrailingSeparator) {
  struct Case {
    ustring reported;
    ustring expected;
  };
  const Case cases[] = {
      {u"C:\\WINDOWS", u"C:\\WINDOWS"},
      {u"  C:\\WINDOWS  ", u"C:\\WINDOWS"},
      {u"C:\\WINDOWS\\", u"C:\\WINDOWS"},
      {u"C:\\", u"C:"},
      {u"/usr/share/", u"/usr/share"},
      {u"/", u"/"},
      {ustring(u"C:\\WIN\0junk", 11), u"C:\\WIN"},
      {u"C:\\Program Files", u"C:\\Program Files"},
      {u"\u3000C:\\WIN", u"\u3000C:\\WIN"},  // only ordinary spaces are trimmed
      {u"", u""},
      {u"    ", u""},
  };
  headless::HeadlessShell shell;
  for (const Case& c : cases) {
    shell.system_folder = c.reported;
    EXPECT_EQ(WindowsFolder(shell), c.expected) << ToUtf8(c.reported);
  }
}

// A menu bar like the main window's, separators included, as the wrap item's position counts them.
struct TestBar {
  forms::MenuEntry bar;
  TestBar() {
    forms::MenuEntry& file = bar.Add("mnuFILE", u"ファイル(&F)");
    file.Add("mnuFILE_NEW", u"新規");
    file.Add("mnuFILE_OPEN", u"開く");
    bar.Add("mnuEDIT", u"編集(&E)").Add("mnuUNDO", u"元に戻す");
    forms::MenuEntry& option = bar.Add("mnuOPTION", u"オプション(&O)");
    option.Add("mnuSETTING", u"ユーザー設定");
    option.Add("mnuFONT_RESET", u"保存設定に戻す");
    option.AddSeparator();
    option.Add("mnuFIND", u"検索");
    option.AddSeparator();
    option.Add("mnuWORD_TURN", u"右端で折り返す");
  }
  // Every entry with a check picture, by name.
  std::vector<std::string> WithPictures() {
    std::vector<std::string> names;
    bar.FindIf([&names](const forms::MenuEntry& e) {
      if (e.CheckedPicture() || e.UncheckedPicture()) names.push_back(e.Name());
      return false;
    });
    return names;
  }
};

TEST(MenuCheckBitmaps, SetsTheItemAtThePositions) {
  TestBar t;
  ASSERT_TRUE(SetMenuCheckBitmaps(t.bar, 2, 5, 7, 8));
  const forms::MenuEntry* wrap = t.bar.Find("mnuWORD_TURN");
  EXPECT_EQ(wrap->CheckedPicture(), 7);
  EXPECT_EQ(wrap->UncheckedPicture(), 8);
  EXPECT_EQ(t.WithPictures(), std::vector<std::string>{"mnuWORD_TURN"});
}

TEST(MenuCheckBitmaps, NoSuchItemChangesNothing) {
  struct Case {
    const char* name;
    int top, item;
  };
  const Case cases[] = {
      {"top before the first", -1, 0},
      {"top past the last", 3, 0},
      {"item before the first", 2, -1},
      {"item past the last", 2, 6},
      {"separator", 2, 4},
  };
  for (const Case& c : cases) {
    TestBar t;
    EXPECT_FALSE(SetMenuCheckBitmaps(t.bar, c.top, c.item, 7, 8)) << c.name;
    EXPECT_TRUE(t.WithPictures().empty()) << c.name;
  }
}

}  // namespace
}  // namespace orvo
