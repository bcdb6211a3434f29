// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages on the terminal: the same on every system.
#include "platform/native/terminal_message.h"

namespace orvo::posix {

using native::SayOnStandardError;
using native::TerminalMessage;

}  // namespace orvo::posix
