// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/instance_lock.h"

#include <windows.h>

#include <cstdint>
#include <cwchar>

#include "platform/win32/long_path.h"
#include "platform/win32/wide_text.h"

namespace orvo::win32 {

InstanceLock::~InstanceLock() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

std::wstring InstanceLock::MutexName(const std::string& path) {
  std::wstring full = FullPath(WideFromUtf8(path));
  // Windows compares paths without letter case.
  if (!full.empty()) CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over the UTF-16 units
  for (const wchar_t unit : full) {
    hash ^= static_cast<std::uint16_t>(unit);
    hash *= 1099511628211ull;
  }
  wchar_t name[64];
  std::swprintf(name, 64, L"Global\\Orvo.folder.%016llx", static_cast<unsigned long long>(hash));
  return name;
}

InstanceLock::Result InstanceLock::Acquire() {
  if (mutex_ != nullptr) return Result::kAcquired;
  HANDLE mutex = CreateMutexW(nullptr, FALSE, MutexName(path_).c_str());
  const DWORD error = GetLastError();
  if (mutex == nullptr) {
    // Another user's copy holds a mutex this user may not open.
    return error == ERROR_ACCESS_DENIED ? Result::kHeldElsewhere : Result::kUnavailable;
  }
  if (error == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return Result::kHeldElsewhere;
  }
  mutex_ = mutex;
  return Result::kAcquired;
}

}  // namespace orvo::win32
