// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real time for the emulated desktop's timers: the virtual clock is moved on
// by the time that really passed, a few times a second.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "platform/emulated/virtual_clock.h"

namespace orvo::qt {

class ClockTicker : public QObject {
  Q_OBJECT

 public:
  // after: runs after each step of the clock (the timers may have changed things).
  ClockTicker(emu::VirtualClock& clock, std::function<void()> after, int period_ms = 50);

  void Start();
  void Stop() { timer_.stop(); }

 private:
  void Step();

  emu::VirtualClock& clock_;
  std::function<void()> after_;
  QTimer timer_;
  QElapsedTimer since_;
};

}  // namespace orvo::qt
