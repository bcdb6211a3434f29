// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/clock_ticker.h"

#include <algorithm>
#include <limits>

namespace orvo::qt {

ClockTicker::ClockTicker(emu::VirtualClock& clock, std::function<void()> after, RealMs real_ms)
    : clock_(clock), after_(std::move(after)), real_ms_(std::move(real_ms)) {
  if (!real_ms_) real_ms_ = [this] { return since_.elapsed(); };
  wake_.setSingleShot(true);
  connect(&wake_, &QTimer::timeout, this, [this] { Woken(); });
}

ClockTicker::~ClockTicker() { clock_.SetOnDueChanged(nullptr); }

void ClockTicker::Start() {
  since_.start();
  started_ = true;
  origin_ms_ = clock_.NowMs() - real_ms_();
  clock_.SetOnDueChanged([this] { Reschedule(); });
  Reschedule();
}

void ClockTicker::Stop() {
  started_ = false;
  clock_.SetOnDueChanged(nullptr);
  wake_.stop();
}

void ClockTicker::CatchUp() {
  if (!started_) return;
  // To a point in time, not by a step: a modal box inside a tick catches up
  // again from its own loop, and the outer step then has nothing left to add.
  const std::int64_t now = origin_ms_ + real_ms_();
  if (now > clock_.NowMs()) clock_.Advance(now - clock_.NowMs());
}

void ClockTicker::Woken() {
  CatchUp();
  Reschedule();  // a timer due again at once, or one the tick armed, is not lost
  if (after_) after_();
}

void ClockTicker::Reschedule() {
  if (!started_) return;
  const std::optional<std::int64_t> due = clock_.NextDueMs();
  if (!due) {
    wake_.stop();
    return;
  }
  if (wake_.isActive() && *due == scheduled_due_) return;  // a timer armed anew after the earliest
  scheduled_due_ = *due;
  const std::int64_t wait = *due - (origin_ms_ + real_ms_());
  wake_.start(static_cast<int>(std::clamp<std::int64_t>(wait, 0, std::numeric_limits<int>::max())));
}

}  // namespace orvo::qt
