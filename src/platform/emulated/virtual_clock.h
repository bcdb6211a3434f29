#pragma once
// Virtual time for timers. Nothing moves until Advance is called, so a test or
// a script decides exactly when every timer fires.
#include <cstdint>
#include <vector>

#include "platform/timer.h"

namespace orvo::emu {

class VirtualClock : public TimerService {
 public:
  std::int64_t NowMs() const { return now_ms_; }
  // Moves time forward, firing every timer that falls due, in time order.
  void Advance(std::int64_t ms);

  void Arm(Timer& timer) override;
  void Disarm(Timer& timer) override;

 private:
  struct Armed {
    Timer* timer;
    std::int64_t due_ms;
  };
  std::int64_t now_ms_ = 0;
  std::vector<Armed> armed_;
};

}  // namespace orvo::emu
