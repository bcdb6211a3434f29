// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/local_calendar.h"

#include "frontends/win32/win32_api.h"

namespace orvo::win32 {

std::int64_t UnixMs(std::uint64_t file_time) {
  constexpr std::int64_t kFrom1601To1970Ms = 11644473600000LL;
  return static_cast<std::int64_t>(file_time / 10000) - kFrom1601To1970Ms;
}

std::int64_t LocalCalendar::LocalMs() const {
  FILETIME utc{};
  FILETIME local{};
  GetSystemTimeAsFileTime(&utc);
  if (!FileTimeToLocalFileTime(&utc, &local)) local = utc;
  return UnixMs((std::uint64_t{local.dwHighDateTime} << 32) | local.dwLowDateTime);
}

}  // namespace orvo::win32
