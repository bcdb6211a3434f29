// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/virtual_clock.h"

#include <algorithm>

namespace orvo::emu {

void VirtualClock::Arm(Timer& timer) {
  std::erase_if(armed_, [&](const Armed& a) { return a.timer == &timer; });
  armed_.push_back({&timer, now_ms_ + timer.Interval()});
  DueChanged();
}

void VirtualClock::Disarm(Timer& timer) {
  if (std::erase_if(armed_, [&](const Armed& a) { return a.timer == &timer; }) > 0) DueChanged();
}

std::optional<std::int64_t> VirtualClock::NextDueMs() const {
  std::optional<std::int64_t> next;
  for (const Armed& a : armed_) {
    if (!next || a.due_ms < *next) next = a.due_ms;
  }
  return next;
}

void VirtualClock::Advance(std::int64_t ms) {
  const std::int64_t end = now_ms_ + std::max<std::int64_t>(ms, 0);
  for (;;) {
    auto next = std::min_element(armed_.begin(), armed_.end(),
                                 [](const Armed& a, const Armed& b) { return a.due_ms < b.due_ms; });
    if (next == armed_.end() || next->due_ms > end) break;
    Timer* timer = next->timer;
    now_ms_ = std::max(now_ms_, next->due_ms);
    next->due_ms += std::max(timer->Interval(), 1);
    DueChanged();
    timer->Tick();  // may disarm, re-arm or show a modal window
  }
  now_ms_ = std::max(now_ms_, end);  // a modal window inside a tick may have moved time on
}

}  // namespace orvo::emu
