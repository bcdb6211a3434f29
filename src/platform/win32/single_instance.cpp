// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/single_instance.h"

namespace orvo::win32 {

bool SingleInstance::OtherRunning(const std::string& folder) {
  if (!lock_) {
    std::string dir = folder;
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
    lock_ = std::make_unique<InstanceLock>(dir + ".orvo.lock");  // the same name as on Linux
  }
  return lock_->Acquire() == InstanceLock::Result::kHeldElsewhere;
}

}  // namespace orvo::win32
