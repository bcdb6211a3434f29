// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one input queue. Key events from a person, from a script and from the
// program's own keybd_event calls wait here in arrival order; pending-event
// processing and every modal loop take them from the front.
#include <cstddef>
#include <deque>
#include <optional>

#include "platform/keys.h"

namespace orvo::emu {

class InputQueue {
 public:
  void Push(const KeyEvent& event) { events_.push_back(event); }
  std::optional<KeyEvent> Pop() {
    if (events_.empty()) return std::nullopt;
    KeyEvent e = events_.front();
    events_.pop_front();
    return e;
  }
  bool Empty() const { return events_.empty(); }
  std::size_t Size() const { return events_.size(); }

 private:
  std::deque<KeyEvent> events_;
};

}  // namespace orvo::emu
