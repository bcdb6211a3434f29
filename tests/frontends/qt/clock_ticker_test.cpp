// SPDX-License-Identifier: GPL-3.0-or-later
// The ticker sleeps until the earliest armed timer falls due, follows timers
// armed and disarmed meanwhile, and catches the clock up when input comes.
#include "frontends/qt/clock_ticker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontends/qt/qt_app.h"
#include "platform/timer.h"

namespace orvo::qt {
namespace {

struct TickerRig {
  TickerRig() { testing::App(); }
  emu::VirtualClock clock;
  std::int64_t real = 0;  // the real time the ticker reads
  int afters = 0;
  ClockTicker ticker{clock, [this] { ++afters; }, [this] { return real; }};
};

TEST(ClockTicker, SleepsUntilTheEarliestTimerAndNotAtAllWithoutOne) {
  TickerRig rig;
  rig.ticker.Start();
  EXPECT_EQ(rig.ticker.SleepMs(), -1) << "no timer armed: no wake at all";

  std::vector<std::int64_t> ticks;
  Timer slow(rig.clock, 1000, [&] { ticks.push_back(rig.clock.NowMs()); });
  slow.SetEnabled(true);
  EXPECT_EQ(rig.ticker.SleepMs(), 1000);
  Timer fast(rig.clock, 100, [] {});
  fast.SetEnabled(true);
  EXPECT_EQ(rig.ticker.SleepMs(), 100);
  fast.SetEnabled(false);

  rig.real = 400;  // a key: the clock catches up, the sleep shortens
  rig.ticker.CatchUp();
  EXPECT_EQ(rig.clock.NowMs(), 400);
  slow.SetEnabled(true);  // armed anew: due at 1400
  EXPECT_EQ(rig.ticker.SleepMs(), 1000);
  slow.SetEnabled(false);
  EXPECT_EQ(rig.ticker.SleepMs(), -1);
  EXPECT_TRUE(ticks.empty());
}

TEST(ClockTicker, CatchingUpFiresWhatFellDueInOrderAndSleepsUntilTheNext) {
  TickerRig rig;
  rig.ticker.Start();
  std::string order;
  Timer a(rig.clock, 300, [&] { order += 'a'; });
  Timer b(rig.clock, 500, [&] { order += 'b'; });
  a.SetEnabled(true);
  b.SetEnabled(true);
  rig.real = 650;  // the program was busy past both
  rig.ticker.CatchUp();
  EXPECT_EQ(order, "aba");
  EXPECT_EQ(rig.ticker.SleepMs(), 250) << "a is next due at 900";
  rig.real = 640;  // real time never runs the clock back
  rig.ticker.CatchUp();
  EXPECT_EQ(rig.clock.NowMs(), 650);
  EXPECT_EQ(rig.afters, 0) << "input settles by itself; only the ticker's own wakes call after";
}

TEST(ClockTicker, ATickThatArmsATimerOrWaitsInsideIsFollowed) {
  TickerRig rig;
  rig.ticker.Start();
  int follow_ups = 0;
  Timer follow_up(rig.clock, 50, [&] {
    ++follow_ups;
    follow_up.SetEnabled(false);
  });
  int modal_waits = 0;
  Timer modal(rig.clock, 200, [&] {
    modal.SetEnabled(false);
    follow_up.SetEnabled(true);
    // A modal box opened by the tick runs its own loop: time passes inside
    // and the ticker is woken there again.
    ++modal_waits;
    rig.real = 300;
    rig.ticker.CatchUp();
  });
  modal.SetEnabled(true);
  rig.real = 200;
  rig.ticker.CatchUp();
  EXPECT_EQ(modal_waits, 1);
  EXPECT_EQ(follow_ups, 1) << "armed inside the tick, due at 250, fired by the catch-up inside";
  EXPECT_EQ(rig.clock.NowMs(), 300);
  EXPECT_EQ(rig.ticker.SleepMs(), -1);
}

TEST(ClockTicker, NothingMovesBeforeStartOrAfterStop) {
  TickerRig rig;
  Timer t(rig.clock, 10, [] { ADD_FAILURE() << "fired without the ticker"; });
  t.SetEnabled(true);
  rig.real = 100;
  rig.ticker.CatchUp();
  EXPECT_EQ(rig.ticker.SleepMs(), -1);
  rig.ticker.Start();
  EXPECT_EQ(rig.ticker.SleepMs(), 10) << "the clock's own time goes on from where it stood";
  rig.ticker.Stop();
  rig.real = 500;
  rig.ticker.CatchUp();
  EXPECT_EQ(rig.clock.NowMs(), 0);
  EXPECT_EQ(rig.ticker.SleepMs(), -1);
}

}  // namespace
}  // namespace orvo::qt
