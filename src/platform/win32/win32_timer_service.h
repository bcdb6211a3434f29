// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window timers over SetTimer and KillTimer on a message-only window of the
// service's own. The program's message loop dispatches their WM_TIMER
// messages like any other.
#include <cstdint>

#include "platform/native/system_timer_service.h"

namespace orvo::win32 {

class Win32TimerService : public TimerService, private native::SystemTimers {
 public:
  Win32TimerService();
  ~Win32TimerService() override;
  Win32TimerService(const Win32TimerService&) = delete;
  Win32TimerService& operator=(const Win32TimerService&) = delete;

  void Arm(Timer& timer) override { service_.Arm(timer); }
  void Disarm(Timer& timer) override { service_.Disarm(timer); }

  // False when the window could not be made: timers then never tick.
  bool Ready() const { return window_ != 0; }
  // The window the WM_TIMER messages go to.
  std::uintptr_t Window() const { return window_; }
  // A WM_TIMER of the window (its window procedure calls this).
  void OnTimer(native::SystemTimerId id) { service_.Fire(id); }

 private:
  bool Start(native::SystemTimerId id, int interval_ms) override;
  void Stop(native::SystemTimerId id) override;

  std::uintptr_t window_ = 0;
  native::SystemTimerService service_{*this};
};

}  // namespace orvo::win32
