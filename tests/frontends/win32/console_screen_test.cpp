// SPDX-License-Identifier: GPL-3.0-or-later
// A Windows console shows the characters a console program writes, whatever
// its code page: they are given to it as UTF-16. (Wine's console needs a
// display, which these tests have.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/console_text.h"
#include "platform/win32/wide_text.h"

namespace orvo::win32 {
namespace {

// A console of the test's own shows the
// characters written, whatever the console's code page.
TEST(ConsoleScreen, AConsoleShowsTheCharactersThemselves) {
  // A console of its own, the one it was started with (Wine's Unix one has no screen buffers) let go.
  FreeConsole();
  const bool own = AllocConsole() != 0;
  const DWORD alloc_error = own ? 0 : GetLastError();
  HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  DWORD mode = 0;
  if (screen == INVALID_HANDLE_VALUE || !GetConsoleMode(screen, &mode)) {
    if (screen != INVALID_HANDLE_VALUE) CloseHandle(screen);
    if (own) FreeConsole();
    GTEST_SKIP() << "no console to be had here (errors " << alloc_error << ", " << GetLastError() << ")";
  }
  const UINT before = GetConsoleOutputCP();
  SetConsoleOutputCP(437);  // a code page without Japanese: the characters still show
  EXPECT_TRUE(WriteStreamText(screen, "日本語のメッセージ", StreamText::kMessages));
  wchar_t cells[64] = {};
  DWORD read = 0;
  ASSERT_TRUE(ReadConsoleOutputCharacterW(screen, cells, 64, COORD{0, 0}, &read));
  std::wstring shown;
  for (DWORD i = 0; i < read; ++i) {
    // A wide character may fill two cells; each is read once.
    if (cells[i] != L' ' && (shown.empty() || shown.back() != cells[i])) shown += cells[i];
  }
  EXPECT_EQ(Utf8FromWide(shown), "日本語のメッセージ");
  SetConsoleOutputCP(before);
  CloseHandle(screen);
  if (own) FreeConsole();
}

}  // namespace
}  // namespace orvo::win32
