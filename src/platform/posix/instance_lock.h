// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running copy per program folder: an advisory lock on a file in the
// folder. The system drops the lock when the process ends, so a crashed run
// never leaves it behind.
#include <string>

namespace orvo::posix {

class InstanceLock {
 public:
  explicit InstanceLock(std::string path) : path_(std::move(path)) {}
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  enum class Result { kAcquired, kHeldElsewhere, kUnavailable };
  // Takes the lock if it is free. kUnavailable: no lock file could be made
  // (a missing or read-only folder), which says nothing about other copies.
  Result Acquire();

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace orvo::posix
