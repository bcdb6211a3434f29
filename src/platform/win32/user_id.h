// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user running this process, as Windows names users: the security
// identifier (SID) of the process's token, "S-1-5-21-...".
#include <string>

namespace orvo::win32 {

// Empty when the system does not say.
std::string UserId();

}  // namespace orvo::win32
