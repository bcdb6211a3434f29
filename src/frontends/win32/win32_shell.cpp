// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/win32_shell.h"

#include "frontends/win32/win32_api.h"

#include "platform/win32/wide_text.h"

namespace orvo::win32 {

std::optional<Rect> Win32Shell::TaskBarRect() const {
  HWND bar = FindWindowW(L"Shell_TrayWnd", nullptr);
  RECT r{};
  if (bar == nullptr || !GetWindowRect(bar, &r)) return std::nullopt;
  return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

ustring Win32Shell::SystemFolder() const {
  wchar_t path[MAX_PATH + 1] = {};
  const UINT n = GetWindowsDirectoryW(path, MAX_PATH + 1);
  return n == 0 || n > MAX_PATH ? ustring() : FromWide(std::wstring_view(path, n));
}

std::uint32_t Win32Shell::ButtonFace() const {
  // A COLORREF is red + 256 green + 65536 blue, as the program counts colours.
  return static_cast<std::uint32_t>(GetSysColor(COLOR_BTNFACE));
}

void Win32Shell::SetMousePointer(int pointer) {
  pointer_ = pointer;
  SetCursor(LoadCursorW(nullptr, pointer == mouse_pointer::kHourglass ? IDC_WAIT : IDC_ARROW));
}

}  // namespace orvo::win32
