// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-instance rule on Windows: one running copy per program folder,
// held by a named mutex from the first question until the end.
#include <memory>
#include <string>

#include "platform/win32/instance_lock.h"

namespace orvo::win32 {

class SingleInstance {
 public:
  // True when another copy holds the folder. After a false answer this run
  // holds the folder.
  bool OtherRunning(const std::string& folder);

 private:
  std::unique_ptr<InstanceLock> lock_;
};

}  // namespace orvo::win32
