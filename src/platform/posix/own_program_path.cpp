// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/program_path.h"

#include <system_error>

namespace orvo::native {

std::filesystem::path OwnProgramPath() {
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : program;
}

}  // namespace orvo::native
