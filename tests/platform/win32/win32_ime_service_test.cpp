// SPDX-License-Identifier: GPL-3.0-or-later
// The IME services over the system's IMM32. Wine has no Japanese IME that
// composes: what is checked here is the input context of a window, its
// status round trips, and that asking for strings that are not there gives
// nothing. The composing itself is checked against the emulated IME
// (tests/platform/native).
#include "platform/win32/win32_ime_service.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/test_window.h"

namespace orvo::win32 {
namespace {

TEST(Win32ImeService, AWindowsContextKeepsWhatIsSetAndHasNoComposition) {
  if (!WindowsCanBeMade()) GTEST_SKIP() << kNoWindows;
  TestWindow window(false);
  Win32ImeService ime;
  const WindowHandle handle = reinterpret_cast<WindowHandle>(window.Handle());
  EXPECT_TRUE(ime.IsWindow(handle));
  const ImeContextHandle context = ime.GetContext(handle);
  // Wine's null display driver gives windows no input context.
  if (context == 0 && UnderWine()) GTEST_SKIP() << "Wine gives this window no input context";
  ASSERT_NE(context, 0u);
  for (const bool open : {true, false, true}) {
    EXPECT_TRUE(ime.SetOpenStatus(context, open));
    EXPECT_EQ(ime.GetOpenStatus(context), open ? 1 : 0);
  }
  const std::uint32_t modes[] = {ime_cmode::kNative | ime_cmode::kFullShape | ime_cmode::kRoman,
                                 ime_cmode::kNative | ime_cmode::kKatakana, 0};
  for (const std::uint32_t mode : modes) {
    EXPECT_TRUE(ime.SetConversionStatus(context, mode, 0));
    std::uint32_t conversion = ~0u;
    std::uint32_t sentence = ~0u;
    EXPECT_TRUE(ime.GetConversionStatus(context, conversion, sentence));
    EXPECT_EQ(conversion, mode);
  }
  for (const std::uint32_t index : {gcs::kCompStr, gcs::kCompReadStr, gcs::kResultStr, gcs::kResultReadStr}) {
    EXPECT_EQ(ime.GetCompositionString(context, index), u"") << index;
  }
  // Whatever the layout, its description is read without fault.
  const ustring description = ime.Description(ime.CurrentLayout());
  EXPECT_EQ(description.find(u'\0'), ustring::npos);
  ime.ReleaseContext(handle, context);
}

TEST(Win32ImeService, AWindowThatIsGoneHasNoContext) {
  Win32ImeService ime;
  WindowHandle handle = 0;
  {
    TestWindow window(false);
    handle = reinterpret_cast<WindowHandle>(window.Handle());
  }
  EXPECT_FALSE(ime.IsWindow(handle));
  EXPECT_EQ(ime.GetContext(handle), 0u);
  EXPECT_EQ(ime.GetOpenStatus(0), -1);
}

}  // namespace
}  // namespace orvo::win32
