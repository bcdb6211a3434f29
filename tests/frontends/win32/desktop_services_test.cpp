// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop services over the real system: the clipboard's text, the
// program's font added for this process alone and taken away again, the
// shell's folders and colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "frontends/win32/gdi_font_registry.h"
#include "frontends/win32/state_file.h"
#include "frontends/win32/win32_clipboard.h"
#include "frontends/win32/win32_shell.h"
#include "frontends/win32/win32_api.h"

namespace orvo::win32 {
namespace {

// The build's braille font, as the system sees the build folder.
ustring BuildFont() {
  std::u16string path = u"Z:";
  for (char c : std::string(ORVO_TEST_FONT)) path += c == '/' ? u'\\' : static_cast<char16_t>(c);
  return path;
}

bool Has(const std::vector<ustring>& families, ustring_view family) {
  return std::find(families.begin(), families.end(), family) != families.end();
}

TEST(Win32Clipboard, TextGoesThereAndComesBackUpToItsFirstNul) {
  Win32Clipboard clipboard;
  clipboard.SetText(u"点字のテキスト\r\n二行目");
  EXPECT_EQ(clipboard.Text(), u"点字のテキスト\r\n二行目");
  clipboard.SetText(ustring(u"前\0後", 3));
  EXPECT_EQ(clipboard.Text(), u"前") << "past a NUL nothing is text";
  clipboard.SetText(u"");
  EXPECT_EQ(clipboard.Text(), u"");
}

TEST(GdiFontRegistry, TheProgramsFontIsAddedForThisRunAloneAndTakenAwayAgain) {
  GdiFontRegistry fonts(u"Z:\\nowhere");
  EXPECT_EQ(fonts.FontFolder(), u"Z:\\nowhere");
  const ustring font = BuildFont();
  EXPECT_FALSE(Has(fonts.Families(), u"Orvoten Font"));
  EXPECT_FALSE(fonts.RemoveFont(font)) << "never added";
  ASSERT_TRUE(fonts.AddFont(font));
  EXPECT_TRUE(fonts.AddFont(font)) << "added once";
  EXPECT_TRUE(Has(fonts.Families(), u"Orvoten Font"));
  EXPECT_EQ(BrailleFaceListed(fonts), true) << "the state file's word of it";
  EXPECT_TRUE(fonts.InstalledFont(u"Orvoten Font").empty()) << "a font the program added is not installed";
  EXPECT_TRUE(fonts.RemoveFont(font));
  EXPECT_FALSE(Has(fonts.Families(), u"Orvoten Font"));
  EXPECT_EQ(BrailleFaceListed(fonts), false);
  EXPECT_FALSE(fonts.AddFont(u"Z:\\no\\such\\font.ttf"));
}

TEST(GdiFontRegistry, AFontLeftAddedGoesWithTheRegistry) {
  {
    GdiFontRegistry fonts(u"");
    ASSERT_TRUE(fonts.AddFont(BuildFont()));
  }
  GdiFontRegistry again(u"");
  EXPECT_FALSE(Has(again.Families(), u"Orvoten Font"));
}

TEST(Win32Shell, TheSystemsFolderColoursAndPointer) {
  Win32Shell shell;
  EXPECT_FALSE(shell.SystemFolder().empty());
  EXPECT_EQ(shell.ButtonFace(), static_cast<std::uint32_t>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(shell.MousePointer(), mouse_pointer::kDefault);
  shell.SetMousePointer(mouse_pointer::kHourglass);
  EXPECT_EQ(shell.MousePointer(), mouse_pointer::kHourglass);
}

}  // namespace
}  // namespace orvo::win32
