// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Virtual time for timers. Nothing moves until Advance is called, so a test or
// a script decides exactly when every timer fires. The calendar reads the same
// time from a fixed start (Monday 2001-05-14 09:00), or from the start a front
// end that follows real time gives it.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/calendar.h"
#include "platform/timer.h"

namespace orvo::emu {

class VirtualClock : public TimerService, public Calendar {
 public:
  static constexpr std::int64_t kDefaultStartMs = 989830800000;  // 2001-05-14 09:00


  std::int64_t NowMs() const { return now_ms_; }
  // Moves time forward, firing every timer that falls due, in time order.
  void Advance(std::int64_t ms);

  // The local time at NowMs() 0.
  void SetCalendarStart(std::int64_t local_ms) { start_ms_ = local_ms; }
  std::int64_t LocalMs() const override { return start_ms_ + now_ms_; }

  void Arm(Timer& timer) override;
  void Disarm(Timer& timer) override;

  // When the earliest armed timer falls due; none while no timer is armed.
  std::optional<std::int64_t> NextDueMs() const;
  // Told whenever that may have changed: a timer armed or disarmed, or about to
  // tick (its next turn is then set). A front end that follows real time
  // sleeps until the next due time rather than waking on a fixed beat.
  void SetOnDueChanged(std::function<void()> told) { due_changed_ = std::move(told); }

 private:
  void DueChanged() const {
    if (due_changed_) due_changed_();
  }

  struct Armed {
    Timer* timer;
    std::int64_t due_ms;
  };
  std::int64_t now_ms_ = 0;
  std::int64_t start_ms_ = kDefaultStartMs;
  std::vector<Armed> armed_;
  std::function<void()> due_changed_;
};

}  // namespace orvo::emu
