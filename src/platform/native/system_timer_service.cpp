// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/system_timer_service.h"

#include <algorithm>

namespace orvo::native {

SystemTimerService::~SystemTimerService() {
  for (const Entry& entry : armed_) timers_.Stop(entry.id);
}

void SystemTimerService::Arm(Timer& timer) {
  Disarm(timer);
  // Numbers are never given twice (zero is no timer on Windows).
  const SystemTimerId id = next_id_++;
  if (next_id_ == 0) next_id_ = 1;
  if (!timers_.Start(id, timer.Interval())) return;
  armed_.push_back({id, &timer});
}

void SystemTimerService::Disarm(Timer& timer) {
  const auto it = std::find_if(armed_.begin(), armed_.end(),
                               [&](const Entry& entry) { return entry.timer == &timer; });
  if (it == armed_.end()) return;
  const SystemTimerId id = it->id;
  armed_.erase(it);
  timers_.Stop(id);
}

void SystemTimerService::Fire(SystemTimerId id) {
  const auto it = std::find_if(armed_.begin(), armed_.end(),
                               [&](const Entry& entry) { return entry.id == id; });
  if (it == armed_.end()) return;
  // Nothing of the table is held across the tick: it may change the table.
  Timer* timer = it->timer;
  timer->Tick();
}

bool SystemTimerService::IsArmed(const Timer& timer) const {
  return std::any_of(armed_.begin(), armed_.end(),
                     [&](const Entry& entry) { return entry.timer == &timer; });
}

}  // namespace orvo::native
