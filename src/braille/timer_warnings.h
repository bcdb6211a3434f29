// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The deferred warnings: what the window hook left in PendingWarning is told
// once the event that caused it is over, when the warning timer (Timer1) ticks.
#include "braille/key_part.h"

namespace orvo::braille {

class TimerWarnings : public KeyPart {
 public:
  using KeyPart::KeyPart;

  void Timer1Tick();
};

}  // namespace orvo::braille
