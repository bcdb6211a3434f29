// SPDX-License-Identifier: GPL-3.0-or-later
// The real keyboard: the keys the program sends come back through the window
// procedure marked as its own, and the key state follows them.
#include "platform/win32/win32_keyboard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/keys.h"
#include "platform/win32/test_window.h"

namespace orvo::win32 {
namespace {

TEST(Win32Keyboard, OwnKeysComeBackMarkedAndHoldTheirState) {
  TestWindow window;
  if (!window.TakesKeys()) GTEST_SKIP() << "no window takes the keyboard here (Wine without a display)";
  Win32Keyboard keyboard;
  // The latch: Alt and Ctrl held, as braille input holds them.
  ASSERT_TRUE(keyboard.SendKey(vk::kMenu, 0x73, false));
  ASSERT_TRUE(keyboard.SendKey(vk::kControl, 0x74, false));
  EXPECT_LT(GetAsyncKeyState(VK_CONTROL), 0);  // at once for the system
  window.Pump(&keyboard);
  EXPECT_TRUE(keyboard.IsDown(vk::kControl));  // once the queue has been read
  EXPECT_TRUE(keyboard.IsDown(vk::kMenu));
  // A letter while the latch holds: a key-down, and no character typed.
  ASSERT_TRUE(keyboard.SendKey('F', 0x21, false));
  ASSERT_TRUE(keyboard.SendKey('F', 0x21, true));
  ASSERT_TRUE(keyboard.SendKey(vk::kControl, 0x74, true));
  ASSERT_TRUE(keyboard.SendKey(vk::kMenu, 0x73, true));
  window.Pump(&keyboard);
  EXPECT_FALSE(keyboard.IsDown(vk::kControl));
  EXPECT_FALSE(keyboard.IsDown(vk::kMenu));

  std::vector<UINT> keys;
  for (const TestWindow::Seen& seen : window.seen) {
    if (seen.message == WM_CHAR || seen.message == WM_SYSCHAR) ADD_FAILURE() << "typed " << seen.wparam;
    if (seen.message >= WM_KEYFIRST && seen.message <= WM_KEYLAST) {
      EXPECT_TRUE(seen.own) << seen.message << " " << seen.wparam;
      keys.push_back(static_cast<UINT>(seen.wparam));
    }
  }
  EXPECT_EQ(keys, (std::vector<UINT>{VK_MENU, VK_CONTROL, 'F', 'F', VK_CONTROL, VK_MENU}));
}

TEST(Win32Keyboard, ArrowsGoAsExtendedKeysAndAPersonsKeyIsNotOwn) {
  TestWindow window;
  if (!window.TakesKeys()) GTEST_SKIP() << "no window takes the keyboard here (Wine without a display)";
  Win32Keyboard keyboard;
  ASSERT_TRUE(keyboard.SendKey(vk::kLeft, 0x3B, false));
  ASSERT_TRUE(keyboard.SendKey(vk::kLeft, 0x3B, true));
  // Another program's key (or a person's): no mark.
  keybd_event('A', 0x1E, 0, 0);
  keybd_event('A', 0x1E, KEYEVENTF_KEYUP, 0);
  window.Pump(&keyboard);
  ASSERT_EQ(window.seen.size(), 5u);  // the two arrow events, A down, its character, A up
  EXPECT_EQ(window.seen[0].wparam, WPARAM{VK_LEFT});
  EXPECT_TRUE(window.seen[0].own);
  EXPECT_NE(window.seen[0].lparam & (1 << 24), 0) << "extended";
  EXPECT_EQ(window.seen[2].wparam, WPARAM{'A'});
  EXPECT_FALSE(window.seen[2].own);
  EXPECT_EQ(window.seen[2].lparam & (1 << 24), 0);
  EXPECT_FALSE(IsExtendedKey(vk::kMenu));
  EXPECT_FALSE(IsExtendedKey(vk::kControl));
}

TEST(Win32Keyboard, KeysLeftDownAreLetGoWhenTheKeyboardGoes) {
  {
    Win32Keyboard keyboard;
    ASSERT_TRUE(keyboard.SendKey(vk::kMenu, 0x73, false));
    ASSERT_TRUE(keyboard.SendKey(vk::kControl, 0x74, false));
    ASSERT_TRUE(keyboard.SendKey(vk::kShift, 0x70, false));
    ASSERT_TRUE(keyboard.SendKey(vk::kShift, 0x70, true));
    EXPECT_LT(GetAsyncKeyState(VK_CONTROL), 0);
    EXPECT_LT(GetAsyncKeyState(VK_MENU), 0);
    // A person lets go of Alt in the meantime: only Ctrl needs letting go.
    keybd_event(VK_MENU, 0x38, KEYEVENTF_KEYUP, 0);
    EXPECT_EQ(keyboard.ReleaseOwnKeys(), 1);
    EXPECT_GE(GetAsyncKeyState(VK_CONTROL), 0);
    EXPECT_EQ(keyboard.ReleaseOwnKeys(), 0);
    ASSERT_TRUE(keyboard.SendKey(vk::kControl, 0x74, false));
  }  // the program ends with Ctrl held
  EXPECT_GE(GetAsyncKeyState(VK_CONTROL), 0);
  EXPECT_GE(GetAsyncKeyState(VK_MENU), 0);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace
}  // namespace orvo::win32
