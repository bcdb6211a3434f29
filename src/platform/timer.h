// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window timer. It ticks every Interval milliseconds while enabled; enabling
// it starts the interval afresh. Time comes from the platform's clock (virtual
// in the headless build).
#include <functional>

namespace orvo {

class Timer;

class TimerService {
 public:
  virtual ~TimerService() = default;
  virtual void Arm(Timer& timer) = 0;
  virtual void Disarm(Timer& timer) = 0;
};

class Timer {
 public:
  Timer(TimerService& service, int interval_ms, std::function<void()> on_tick)
      : service_(service), interval_ms_(interval_ms), on_tick_(std::move(on_tick)) {}
  ~Timer() { service_.Disarm(*this); }
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled_ && interval_ms_ > 0) {
      service_.Arm(*this);
    } else {
      service_.Disarm(*this);
    }
  }
  int Interval() const { return interval_ms_; }
  void SetInterval(int ms) {
    interval_ms_ = ms;
    SetEnabled(enabled_);
  }
  void Tick() {
    if (enabled_ && on_tick_) on_tick_();
  }

 private:
  TimerService& service_;
  int interval_ms_;
  bool enabled_ = false;
  std::function<void()> on_tick_;
};

}  // namespace orvo
