// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real time for the emulated desktop's timers. The virtual clock is caught up
// with the time that really passed when input comes (CatchUp) and when its
// earliest timer falls due; in between the program sleeps, however long that
// is, rather than waking on a fixed beat.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "platform/emulated/virtual_clock.h"

namespace orvo::qt {

class ClockTicker : public QObject {
  Q_OBJECT

 public:
  // Milliseconds of real time since some fixed moment.
  using RealMs = std::function<std::int64_t()>;

  // after: runs after the clock was moved on by a wake of its own (the timers
  // may have changed things). real_ms: real time (tests give their own).
  ClockTicker(emu::VirtualClock& clock, std::function<void()> after, RealMs real_ms = {});
  ~ClockTicker() override;

  void Start();
  void Stop();
  // Moves the clock on to now, firing what fell due; nothing before Start.
  void CatchUp();
  // How long the ticker sleeps before it next moves the clock on: -1 while no
  // timer is armed (or before Start).
  int SleepMs() const { return wake_.isActive() ? wake_.interval() : -1; }

 private:
  void Woken();
  void Reschedule();

  emu::VirtualClock& clock_;
  std::function<void()> after_;
  RealMs real_ms_;
  QElapsedTimer since_;
  bool started_ = false;
  std::int64_t origin_ms_ = 0;  // the clock's time at real time 0
  std::int64_t scheduled_due_ = 0;  // what wake_ waits for while active
  QTimer wake_;
};

}  // namespace orvo::qt
