// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A path's text in UTF-8 and back, whatever the system's own narrow encoding
// of paths (Windows' is its ANSI code page, which cannot hold every name).
#include <filesystem>
#include <string>
#include <string_view>

namespace orvo {

std::string PathToUtf8(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(std::string_view text);

}  // namespace orvo
