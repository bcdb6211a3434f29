// SPDX-License-Identifier: GPL-3.0-or-later
// Window timers over numbered system timers: which ticks reach which timer.
#include "platform/native/system_timer_service.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace orvo::native {
namespace {

// The system's timers: what runs, at which interval; ticks are fired by hand.
class FakeSystemTimers : public SystemTimers {
 public:
  bool Start(SystemTimerId id, int interval_ms) override {
    if (refuse) return false;
    running[id] = interval_ms;
    return true;
  }
  void Stop(SystemTimerId id) override { running.erase(id); }
  SystemTimerId Only() const { return running.size() == 1 ? running.begin()->first : 0; }

  std::map<SystemTimerId, int> running;
  bool refuse = false;
};

struct TimerRig {
  FakeSystemTimers system;
  SystemTimerService service{system};
};

TEST(SystemTimerService, EnablingStartsAndDisablingStops) {
  TimerRig rig;
  int ticks = 0;
  Timer timer(rig.service, 250, [&] { ++ticks; });
  timer.SetEnabled(true);
  ASSERT_EQ(rig.system.running.size(), 1u);
  const SystemTimerId id = rig.system.Only();
  EXPECT_EQ(rig.system.running[id], 250);
  rig.service.Fire(id);
  rig.service.Fire(id);
  EXPECT_EQ(ticks, 2);
  timer.SetEnabled(false);
  EXPECT_TRUE(rig.system.running.empty());
  rig.service.Fire(id);  // queued before the stop
  EXPECT_EQ(ticks, 2);
}

TEST(SystemTimerService, ATickQueuedBeforeReArmingIsStale) {
  TimerRig rig;
  int ticks = 0;
  Timer timer(rig.service, 100, [&] { ++ticks; });
  timer.SetEnabled(true);
  const SystemTimerId first = rig.system.Only();
  timer.SetInterval(300);  // starts again under a new number
  const SystemTimerId second = rig.system.Only();
  EXPECT_NE(first, second);
  EXPECT_EQ(rig.system.running[second], 300);
  rig.service.Fire(first);
  EXPECT_EQ(ticks, 0);
  rig.service.Fire(second);
  EXPECT_EQ(ticks, 1);
}

TEST(SystemTimerService, ATickMayStopOrDestroyItsOwnTimerAndOthers) {
  TimerRig rig;
  auto other = std::make_unique<Timer>(rig.service, 50, [] {});
  other->SetEnabled(true);
  const SystemTimerId other_id = rig.system.Only();
  std::unique_ptr<Timer> timer;
  int ticks = 0;
  timer = std::make_unique<Timer>(rig.service, 10, [&] {
    ++ticks;
    other.reset();
    timer.reset();  // the timer goes while its own tick runs
  });
  timer->SetEnabled(true);
  SystemTimerId id = 0;
  for (const auto& [running, ms] : rig.system.running) {
    if (running != other_id) id = running;
  }
  rig.service.Fire(id);
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(rig.system.running.empty());
  rig.service.Fire(id);
  rig.service.Fire(other_id);
  EXPECT_EQ(ticks, 1);
}

TEST(SystemTimerService, RefusedOrEmptyTimersAreNotArmed) {
  FakeSystemTimers system;
  {
    SystemTimerService service(system);
    Timer refused(service, 10, [] {});
    system.refuse = true;
    refused.SetEnabled(true);
    EXPECT_FALSE(service.IsArmed(refused));
    system.refuse = false;
    Timer kept(service, 10, [] {});
    kept.SetEnabled(true);
    EXPECT_TRUE(service.IsArmed(kept));
    refused.SetEnabled(false);
    kept.SetEnabled(false);
    kept.SetEnabled(true);
    Timer zero(service, 0, [] {});  // no interval: never runs
    zero.SetEnabled(true);
    EXPECT_FALSE(service.IsArmed(zero));
    EXPECT_EQ(system.running.size(), 1u);
  }
  EXPECT_TRUE(system.running.empty());
}

}  // namespace
}  // namespace orvo::native
