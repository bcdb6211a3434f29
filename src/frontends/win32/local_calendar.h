// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The local date and time from the system clock.
#include "platform/calendar.h"

namespace orvo::win32 {

class LocalCalendar : public Calendar {
 public:
  std::int64_t LocalMs() const override;
};

// Milliseconds since 1970 of a FILETIME (100 ns since 1601).
std::int64_t UnixMs(std::uint64_t file_time);

}  // namespace orvo::win32
