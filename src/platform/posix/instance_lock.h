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

  // True when this process holds the lock (taking it if free).
  bool Acquire();

 private:
  std::string path_;
  int fd_ = -1;
};

}  // namespace orvo::posix
