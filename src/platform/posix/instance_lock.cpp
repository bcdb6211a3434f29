#include "platform/posix/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orvo::posix {

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) close(fd_);  // closing drops the lock
}

bool InstanceLock::Acquire() {
  if (fd_ >= 0) return true;
  const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

}  // namespace orvo::posix
