// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window timers over a system's numbered timers (SetTimer and KillTimer on
// Windows). Every arming takes a fresh number, so a tick the system had
// already queued for a timer since stopped, re-armed or destroyed is known
// as stale and ticks nothing.
#include <cstdint>
#include <vector>

#include "platform/timer.h"

namespace orvo::native {

using SystemTimerId = std::uintptr_t;

// The system's timers, started and stopped by number.
class SystemTimers {
 public:
  virtual ~SystemTimers() = default;
  // False when the system has no timer left to give.
  virtual bool Start(SystemTimerId id, int interval_ms) = 0;
  virtual void Stop(SystemTimerId id) = 0;
};

class SystemTimerService : public TimerService {
 public:
  explicit SystemTimerService(SystemTimers& timers) : timers_(timers) {}
  ~SystemTimerService() override;
  SystemTimerService(const SystemTimerService&) = delete;
  SystemTimerService& operator=(const SystemTimerService&) = delete;

  // Starts the interval afresh when the timer is already running.
  void Arm(Timer& timer) override;
  void Disarm(Timer& timer) override;

  // The system's tick for a number: its timer ticks, when it is still armed
  // under that number. The tick may stop, re-arm or destroy any timer.
  void Fire(SystemTimerId id);

  bool IsArmed(const Timer& timer) const;

 private:
  struct Entry {
    SystemTimerId id;
    Timer* timer;
  };
  SystemTimers& timers_;
  std::vector<Entry> armed_;
  SystemTimerId next_id_ = 1;
};

}  // namespace orvo::native
