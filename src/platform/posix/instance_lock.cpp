// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/instance_lock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orvo::posix {

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);  // closing drops the lock
}

InstanceLock::Result InstanceLock::Acquire() {
  if (fd_ >= 0) return Result::kAcquired;
  const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return Result::kUnavailable;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    close(fd);
    return held ? Result::kHeldElsewhere : Result::kUnavailable;
  }
  fd_ = fd;
  return Result::kAcquired;
}

}  // namespace orvo::posix
