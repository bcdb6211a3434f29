// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/user_id.h"

#include <unistd.h>

namespace orvo::posix {

std::string UserId() { return std::to_string(::getuid()); }

}  // namespace orvo::posix
