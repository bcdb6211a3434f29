// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running program's own file, as each system tells it
// (posix/own_program_path.cpp, win32/own_program_path.cpp).
#include <filesystem>

#include "platform/path_text.h"

namespace orvo::native {

// Empty when the system does not say.
std::filesystem::path OwnProgramPath();

using ::orvo::PathFromUtf8;
using ::orvo::PathToUtf8;

}  // namespace orvo::native
