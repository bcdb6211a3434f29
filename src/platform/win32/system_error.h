// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Win32 error number and the system's own words for it.
#include "platform/file_system.h"

namespace orvo::win32 {

// The description is in the user's language, as the system words it, without
// its line end; a number the system has no words for is said as a number.
FileError SystemError(unsigned long number);

}  // namespace orvo::win32
