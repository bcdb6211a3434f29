// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/program_path.h"

namespace orvo::native {

std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

std::filesystem::path PathFromUtf8(std::string_view text) { return std::u8string(text.begin(), text.end()); }

}  // namespace orvo::native
