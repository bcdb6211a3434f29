// SPDX-License-Identifier: GPL-3.0-or-later
// The hosts' single-instance rule: per folder, with or without a final slash.
#include "platform/posix/single_instance.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace orvo {
namespace {

TEST(SingleInstance, TheFirstCopyHoldsItsFolderUntilItEnds) {
  test_support::TempFolder folder;
  auto first = std::make_unique<posix::SingleInstance>();
  EXPECT_FALSE(first->OtherRunning(folder.Path()));
  EXPECT_FALSE(first->OtherRunning(folder.Path()));  // asking again is no other copy
  posix::SingleInstance second;
  EXPECT_TRUE(second.OtherRunning(folder.Path() + "/"));
  first.reset();
  EXPECT_FALSE(second.OtherRunning(folder.Path() + "/"));
  test_support::TempFolder other;
  EXPECT_FALSE(posix::SingleInstance().OtherRunning(other.Path()));
  EXPECT_FALSE(posix::SingleInstance().OtherRunning("/nonexistent-orvo-folder"));
}

}  // namespace
}  // namespace orvo
