// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per program folder on Windows: a named mutex, the same for
// every spelling of the folder's path, gone with the copy that held it.
#include "platform/win32/instance_lock.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/win32/user_id.h"
#include "support/temp_folder.h"

namespace orvo::win32 {
namespace {

using Result = InstanceLock::Result;

TEST(InstanceLock, SecondCopyIsRefusedUntilTheFirstEnds) {
  test_support::TempFolder folder;
  const std::string path = folder.Path() + "\\.orvo.lock";
  auto first = std::make_unique<InstanceLock>(path);
  ASSERT_EQ(first->Acquire(), Result::kAcquired);
  EXPECT_EQ(first->Acquire(), Result::kAcquired);  // asking again keeps it
  InstanceLock second(path);
  EXPECT_EQ(second.Acquire(), Result::kHeldElsewhere);
  first.reset();  // a run that ends (or crashes) drops the lock
  EXPECT_EQ(second.Acquire(), Result::kAcquired);
}

TEST(InstanceLock, EverySpellingOfTheFolderIsTheSameLock) {
  test_support::TempFolder folder;
  std::string other_case = folder.Path() + "/.ORVO.lock";
  for (char& c : other_case) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  InstanceLock first(folder.Path() + "\\.orvo.lock");
  ASSERT_EQ(first.Acquire(), Result::kAcquired);
  EXPECT_EQ(InstanceLock(other_case).Acquire(), Result::kHeldElsewhere);
  EXPECT_EQ(InstanceLock(folder.Path() + "\\sub\\..\\.orvo.lock").Acquire(), Result::kHeldElsewhere);
  test_support::TempFolder another;
  EXPECT_EQ(InstanceLock(another.Path() + "\\.orvo.lock").Acquire(), Result::kAcquired);
  EXPECT_EQ(InstanceLock::MutexName(folder.Path() + "\\.orvo.lock").rfind(L"Global\\Orvo.folder.", 0), 0u);
}

TEST(UserId, IsTheSecurityIdentifierOfThisUser) {
  const std::string id = UserId();
  EXPECT_EQ(id.rfind("S-1-5-", 0), 0u) << id;
  EXPECT_EQ(UserId(), id);
}

}  // namespace
}  // namespace orvo::win32
