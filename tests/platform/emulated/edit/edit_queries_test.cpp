// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

TEST(EditQueriesTest, HandlesAreUniqueAndNonZero) {
  const EditControlModel first;
  const EditControlModel second;
  EXPECT_NE(first.Handle(), 0u);
  EXPECT_NE(first.Handle(), second.Handle());
}

}  // namespace
}  // namespace orvo::emu
