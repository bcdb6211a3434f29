// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard messages read as key events, and the small conversions the window
// makes at the system's edges.
#include <gtest/gtest.h>

#include "frontends/win32/gdi_font_registry.h"
#include "frontends/win32/gdi_fonts.h"
#include "frontends/win32/key_messages.h"
#include "frontends/win32/local_calendar.h"
#include "frontends/win32/uia_notices.h"
#include "frontends/win32/win32_dialogs.h"
#include "frontends/win32/win32_host.h"
#include "frontends/win32/win32_screen.h"

namespace orvo::win32 {
namespace {

// lParam of a key message: the scan byte in bits 16-23, "already down" in bit 30, "up" in bit 31.
std::intptr_t KeyParam(unsigned scan, bool was_down, bool up = false) {
  return static_cast<std::intptr_t>((std::uintptr_t{scan} << 16) | (was_down ? (1u << 30) : 0u) |
                                    (up ? (std::uintptr_t{1} << 31) : 0u) | 1u);
}

TEST(KeyMessages, KeyDownsAndUpsCarryTheKeyTheScanByteAndTheRepeatMark) {
  auto down = KeyEventOf(WM_KEYDOWN, 'F', KeyParam(0x21, false), false);
  ASSERT_TRUE(down);
  EXPECT_EQ(down->vk, 'F');
  EXPECT_EQ(down->scan, 0x21);
  EXPECT_FALSE(down->up);
  EXPECT_FALSE(down->repeat);
  EXPECT_FALSE(down->synthetic);

  auto repeat = KeyEventOf(WM_KEYDOWN, 'F', KeyParam(0x21, true), false);
  ASSERT_TRUE(repeat);
  EXPECT_TRUE(repeat->repeat) << "bit 30 marks a key that was already down";

  // A key-up always has bit 30 set: it is never a repeat.
  auto up = KeyEventOf(WM_KEYUP, 'F', KeyParam(0x21, true, true), false);
  ASSERT_TRUE(up);
  EXPECT_TRUE(up->up);
  EXPECT_FALSE(up->repeat);
}

TEST(KeyMessages, AltKeysAreKeysAndTheProgramsOwnAreMarked) {
  auto alt_f = KeyEventOf(WM_SYSKEYDOWN, 'F', KeyParam(0x21, false), false);
  ASSERT_TRUE(alt_f);
  EXPECT_FALSE(alt_f->up);
  auto alt_up = KeyEventOf(WM_SYSKEYUP, VK_MENU, KeyParam(0x38, true, true), true);
  ASSERT_TRUE(alt_up);
  EXPECT_TRUE(alt_up->up);
  EXPECT_TRUE(alt_up->synthetic);
  // The key code is the low byte only.
  auto wide = KeyEventOf(WM_KEYDOWN, 0x1234, KeyParam(0, false), false);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->vk, 0x34);
}

TEST(KeyMessages, OtherMessagesAreNoKeys) {
  for (const UINT message : {WM_CHAR, WM_SYSCHAR, WM_DEADCHAR, WM_LBUTTONDOWN, WM_PAINT, WM_IME_CHAR}) {
    EXPECT_FALSE(KeyEventOf(message, 'A', KeyParam(0x1E, false), false)) << message;
  }
  EXPECT_TRUE(IsCharMessage(WM_CHAR));
  EXPECT_TRUE(IsCharMessage(WM_SYSCHAR));
  EXPECT_FALSE(IsCharMessage(WM_KEYDOWN));
  EXPECT_FALSE(IsCharMessage(WM_IME_CHAR));
}

TEST(InstanceMutex, OneNamePerFolderWhateverItsSpelling) {
  EXPECT_EQ(InstanceMutexName(u"C:\\Orvo"), InstanceMutexName(u"c:\\orvo\\"));
  EXPECT_EQ(InstanceMutexName(u"C:\\Orvo"), InstanceMutexName(u"C:/Orvo//"));
  EXPECT_NE(InstanceMutexName(u"C:\\Orvo"), InstanceMutexName(u"C:\\Orvo2"));
  // Past the namespace, no backslash: the system would take it for another namespace.
  const ustring name = InstanceMutexName(u"C:\\Users\\点字\\Orvo");
  ASSERT_TRUE(name.starts_with(u"Local\\"));
  EXPECT_EQ(name.find(u'\\', 6), ustring::npos) << ToUtf8(name);
  EXPECT_NE(name.find(u"点字"), ustring::npos) << "letters outside ASCII stay as they are";
}

TEST(InstanceMutex, ASecondCopyForTheSameFolderIsRefusedAndAnotherFolderIsNot) {
  Win32Host first(u"C:\\orvo-instance-test", u"");
  Win32Host second(u"c:\\ORVO-INSTANCE-TEST\\", u"");
  Win32Host elsewhere(u"C:\\orvo-instance-test-2", u"");
  EXPECT_FALSE(first.PreviousInstance());
  EXPECT_FALSE(first.PreviousInstance()) << "asking again is no second copy";
  EXPECT_TRUE(second.PreviousInstance());
  EXPECT_FALSE(elsewhere.PreviousInstance());
}

TEST(Win32Host, AStandardMessageWithoutAPersonIsKeptNotShown) {
  Win32Host host(u"C:\\orvo", u"file.txt");
  host.SetInteractive(false);
  host.StandardMessage(u"起動できません", mb_icon::kStop, u"Orvo");
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].text, u"起動できません");
  EXPECT_EQ(host.Messages()[0].icon, mb_icon::kStop);
  EXPECT_EQ(host.CommandLine(), u"file.txt");
  EXPECT_EQ(host.PathSeparator(), u'\\');
  EXPECT_FALSE(host.UserId().empty()) << "the user's SID";
  EXPECT_FALSE(host.Ended());
  host.End();
  EXPECT_TRUE(host.Ended());
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop is told to end";
}

TEST(FontList, AValueNamesEachOfItsFacesAndNothingElse) {
  EXPECT_TRUE(FontListNames(u"Orvoten Font (TrueType)", u"Orvoten Font"));
  EXPECT_TRUE(FontListNames(u"MS Gothic & MS PGothic & MS UI Gothic (TrueType)", u"MS PGothic"));
  EXPECT_TRUE(FontListNames(u"MS Gothic & MS PGothic & MS UI Gothic (TrueType)", u"MS UI Gothic"));
  EXPECT_FALSE(FontListNames(u"MS Gothic & MS PGothic (TrueType)", u"Gothic"));
  EXPECT_FALSE(FontListNames(u"Orvoten Font Bold (TrueType)", u"Orvoten Font"));
  EXPECT_TRUE(FontListNames(u"Fixedsys", u"Fixedsys")) << "a bitmap font has no kind in brackets";
}

TEST(FileDialogs, TheFilterIsPairsOfNulSeparatedStringsEndingInTwoNuls) {
  const std::wstring list = FilterList(u"テキスト|*.txt|すべて|*.*");
  EXPECT_EQ(list, std::wstring(L"テキスト\0*.txt\0すべて\0*.*\0\0", 20));
  EXPECT_EQ(FilterList(u""), std::wstring(L"\0\0", 2));
}

TEST(Measures, TwipsFontHeightsAndTimes) {
  EXPECT_DOUBLE_EQ(TwipsPerPixel(96), 15.0);
  EXPECT_DOUBLE_EQ(TwipsPerPixel(144), 10.0);
  EXPECT_DOUBLE_EQ(TwipsPerPixel(0), 15.0) << "a device that says nothing is taken as 96 DPI";
  EXPECT_EQ(FontHeight(9, 96), -12);
  EXPECT_EQ(FontHeight(12, 144), -24);
  EXPECT_LT(FontHeight(0, 96), 0) << "never a zero height, which would be the system's choice";
  // 1970-01-01 is 11644473600 s after 1601-01-01.
  EXPECT_EQ(UnixMs(116444736000000000ULL), 0);
  EXPECT_EQ(UnixMs(116444736000000000ULL + 10000ULL * 1500), 1500);
}

TEST(ReaderNotices, OneNoticePerInputWithoutEmptyLines) {
  EXPECT_EQ(JoinNotice({u"テン 1", u"", u"ア"}), u"テン 1 ア");
  EXPECT_EQ(JoinNotice({u"", u""}), u"");
  EXPECT_EQ(JoinNotice({}), u"");
  UiaNotices notices;
  EXPECT_FALSE(notices.Say(nullptr, u"")) << "nothing to say is not said";
  notices.Say(nullptr, u"保存しました");
  ASSERT_EQ(notices.Said().size(), 1u) << "kept even where no window can raise it";
}

TEST(GdiFonts, TextIsMeasuredLineByLine) {
  GdiFonts fonts;
  const FontSpec font{u"MS Gothic", 12, false};
  const Size one = fonts.MeasureText(font, u"あいう");
  const Size two = fonts.MeasureText(font, u"あいう\r\nあ");
  const Size lf = fonts.MeasureText(font, u"あいう\nあ");
  EXPECT_GT(one.width, 0);
  EXPECT_GT(one.height, 0);
  EXPECT_EQ(two.width, one.width) << "the widest line";
  EXPECT_EQ(two.height, 2 * one.height);
  EXPECT_EQ(lf, two) << "LF alone breaks a line as CR LF does";
  EXPECT_EQ(fonts.MeasureText(font, u"").height, one.height) << "an empty text is one empty line";
  EXPECT_EQ(fonts.Font(font), fonts.Font(font)) << "one font per face, size and weight";
  EXPECT_NE(fonts.Font(font), fonts.Font({u"MS Gothic", 12, true}));
}

}  // namespace
}  // namespace orvo::win32
