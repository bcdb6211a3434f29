// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <string>

#include "platform/native/program_path.h"

namespace orvo::native {

std::filesystem::path OwnProgramPath() {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return {};
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 2);  // cut short: a long path
  }
}

}  // namespace orvo::native
