// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The timer that shows a deferred warning once the event that caused it is over.
namespace orvo::braille {

class WarningTimer {
 public:
  virtual ~WarningTimer() = default;
  virtual void SetWarningTimer(bool running) = 0;
};

}  // namespace orvo::braille
