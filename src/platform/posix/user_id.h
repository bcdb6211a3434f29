// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user running this process, as the system numbers users.
#include <string>

namespace orvo::posix {

std::string UserId();

}  // namespace orvo::posix
