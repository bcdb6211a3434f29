// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per program folder, and no false refusal when the lock
// cannot even be made.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/posix/instance_lock.h"
#include "support/temp_folder.h"

namespace orvo {
namespace {

using Result = posix::InstanceLock::Result;

TEST(InstanceLock, SecondCopyIsRefusedUntilTheFirstEnds) {
  test_support::TempFolder folder;
  const std::string path = folder.Path() + "/.orvo.lock";
  auto first = std::make_unique<posix::InstanceLock>(path);
  ASSERT_EQ(first->Acquire(), Result::kAcquired);
  EXPECT_EQ(first->Acquire(), Result::kAcquired);  // asking again keeps it
  posix::InstanceLock second(path);
  EXPECT_EQ(second.Acquire(), Result::kHeldElsewhere);
  first.reset();  // a run that ends (or crashes) drops the lock
  EXPECT_EQ(second.Acquire(), Result::kAcquired);
}

TEST(InstanceLock, MissingFolderIsNotAnotherCopy) {
  posix::InstanceLock lock("/nonexistent-orvo-folder/.orvo.lock");
  EXPECT_EQ(lock.Acquire(), Result::kUnavailable);
}

}  // namespace
}  // namespace orvo
