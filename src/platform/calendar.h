// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's clock as a calendar: the local date and time now.
#include <cstdint>

namespace orvo {

class Calendar {
 public:
  virtual ~Calendar() = default;
  // Milliseconds since 1970-01-01 00:00 of local time (the local wall clock
  // read as if it were UTC), so the date follows without a time zone.
  virtual std::int64_t LocalMs() const = 0;
};

}  // namespace orvo
