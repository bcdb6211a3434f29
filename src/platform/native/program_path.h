// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running program's own file, as each system tells it
// (posix/program_path.cpp, win32/program_path.cpp), and paths as UTF-8 text.
#include <filesystem>
#include <string>
#include <string_view>

namespace orvo::native {

// Empty when the system does not say.
std::filesystem::path OwnProgramPath();

// A path's text in UTF-8 and back, whatever the system's narrow encoding.
std::string PathToUtf8(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(std::string_view text);

}  // namespace orvo::native
