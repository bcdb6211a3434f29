// SPDX-License-Identifier: GPL-3.0-or-later
// Window timers over SetTimer: they tick through the thread's message loop.
#include "platform/win32/win32_timer_service.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/test_window.h"

namespace orvo::win32 {
namespace {

TEST(Win32TimerService, TicksThroughTheMessageLoopUntilStopped) {
  Win32TimerService service;
  ASSERT_TRUE(service.Ready());
  int ticks = 0;
  int other_ticks = 0;
  Timer timer(service, 1, [&] { ++ticks; });
  Timer other(service, 1, [&] { ++other_ticks; });
  timer.SetEnabled(true);
  other.SetEnabled(true);
  other.SetEnabled(false);
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer.SetEnabled(false);
  EXPECT_EQ(other_ticks, 0);
  // Whatever was queued before the stop ticks nothing: a timer of its own,
  // started later, ticks alone.
  int later_ticks = 0;
  Timer later(service, 1, [&] { ++later_ticks; });
  later.SetEnabled(true);
  const int stopped_at = ticks;
  ASSERT_TRUE(PumpUntil([&] { return later_ticks >= 2; }));
  EXPECT_EQ(ticks, stopped_at);
  EXPECT_EQ(other_ticks, 0);
}

}  // namespace
}  // namespace orvo::win32
