// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/system_error.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_texts.h"

namespace orvo::win32 {

FileError SystemError(unsigned long number) {
  LPWSTR buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, number,
      0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  ustring text = length > 0 ? FromWide(std::wstring_view(buffer, length)) : ustring();
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' ')) text.pop_back();
  if (text.empty()) text = texts::kUnknown + FromUtf8(std::to_string(number));
  return {static_cast<int>(number), text};
}

}  // namespace orvo::win32
