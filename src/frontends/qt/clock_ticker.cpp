// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/clock_ticker.h"

namespace orvo::qt {

ClockTicker::ClockTicker(emu::VirtualClock& clock, std::function<void()> after, int period_ms)
    : clock_(clock), after_(std::move(after)) {
  timer_.setInterval(period_ms);
  connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
}

void ClockTicker::Start() {
  since_.start();
  timer_.start();
}

void ClockTicker::Step() {
  // A timer's modal box runs a nested loop in which this steps again: the
  // clock takes that as time moving on inside the tick.
  clock_.Advance(since_.restart());
  if (after_) after_();
}

}  // namespace orvo::qt
