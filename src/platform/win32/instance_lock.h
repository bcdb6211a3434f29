// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running copy per program folder: a named mutex, named after the lock
// file's full path (letter case and separators as Windows compares paths).
// The system closes it when the process ends, so a crashed run never leaves
// it behind; no file is made.
#include <string>

namespace orvo::win32 {

class InstanceLock {
 public:
  explicit InstanceLock(std::string path) : path_(std::move(path)) {}
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  enum class Result { kAcquired, kHeldElsewhere, kUnavailable };
  // Takes the lock if it is free. kUnavailable: the system made no mutex,
  // which says nothing about other copies.
  Result Acquire();

  // The mutex's name for a lock file's path (UTF-8).
  static std::wstring MutexName(const std::string& path);

 private:
  std::string path_;
  void* mutex_ = nullptr;
};

}  // namespace orvo::win32
