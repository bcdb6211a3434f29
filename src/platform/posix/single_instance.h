// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-instance rule of every Linux host: one running copy per program
// folder, held by a lock file in it from the first question until the end.
#include <memory>
#include <string>

#include "platform/posix/instance_lock.h"

namespace orvo::posix {

class SingleInstance {
 public:
  // True when another copy holds the folder. A folder where no lock can be
  // made refuses no one. After a false answer this run holds the folder.
  bool OtherRunning(const std::string& folder);

 private:
  std::unique_ptr<InstanceLock> lock_;
};

}  // namespace orvo::posix
