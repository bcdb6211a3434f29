// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/single_instance.h"

namespace orvo::posix {

bool SingleInstance::OtherRunning(const std::string& folder) {
  if (!lock_) {
    std::string dir = folder;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    lock_ = std::make_unique<InstanceLock>(dir + ".orvo.lock");
  }
  return lock_->Acquire() == InstanceLock::Result::kHeldElsewhere;
}

}  // namespace orvo::posix
