// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/user_id.h"

#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {

std::string UserId() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<unsigned char> buffer(size);
  std::string id;
  if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
    const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
    LPWSTR text = nullptr;
    if (ConvertSidToStringSidW(user->User.Sid, &text)) {
      id = Utf8FromWide(text);
      LocalFree(text);
    }
  }
  CloseHandle(token);
  return id;
}

}  // namespace orvo::win32
