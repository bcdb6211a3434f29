// SPDX-License-Identifier: GPL-3.0-or-later
// A drop made as the shell makes it, read back by the system's own DragQueryFile.
#include "frontends/win32/drop_handle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvo::win32 {
namespace {

std::wstring NameAt(HDROP drop, UINT index) {
  const UINT length = DragQueryFileW(drop, index, nullptr, 0);
  std::wstring name(length + 1, L'\0');
  EXPECT_EQ(DragQueryFileW(drop, index, name.data(), length + 1), length);
  name.resize(length);
  return name;
}

// Every name comes back whole and in order: kana, spaces, and a path longer
// than MAX_PATH, which a fixed buffer of the old size would cut.
TEST(DropHandle, TheSystemReadsBackEveryNameInOrder) {
  const std::wstring long_path = L"C:\\" + std::wstring(300, L'あ') + L"\\memo.txt";
  const std::vector<std::wstring> paths = {L"C:\\かなの書類\\one.txt", L"Z:\\tmp\\with space.txt", long_path};
  HDROP drop = MakeDropHandle(paths, POINT{12, 34});
  ASSERT_NE(drop, nullptr);
  ASSERT_EQ(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0), paths.size());
  for (UINT i = 0; i < paths.size(); ++i) EXPECT_EQ(NameAt(drop, i), paths[i]) << i;
  POINT at{};
  EXPECT_TRUE(DragQueryPoint(drop, &at)) << "dropped on the client area";
  EXPECT_EQ(at.x, 12);
  EXPECT_EQ(at.y, 34);
  DragFinish(drop);
}

}  // namespace
}  // namespace orvo::win32
