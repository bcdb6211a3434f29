// SPDX-License-Identifier: GPL-3.0-or-later
// The hosts' single-instance rule on every system: per folder, with or
// without a final separator.
#include "platform/native/native_services.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace orvo {
namespace {

TEST(SingleInstance, TheFirstCopyHoldsItsFolderUntilItEnds) {
  test_support::TempFolder folder;
  auto first = std::make_unique<native::SingleInstance>();
  EXPECT_FALSE(first->OtherRunning(folder.Path()));
  EXPECT_FALSE(first->OtherRunning(folder.Path()));  // asking again is no other copy
  native::SingleInstance second;
  EXPECT_TRUE(second.OtherRunning(folder.Path() + "/"));
  first.reset();
  EXPECT_FALSE(second.OtherRunning(folder.Path() + "/"));
  test_support::TempFolder other;
  EXPECT_FALSE(native::SingleInstance().OtherRunning(other.Path()));
  EXPECT_FALSE(native::SingleInstance().OtherRunning("/nonexistent-orvo-folder"));
}

}  // namespace
}  // namespace orvo
