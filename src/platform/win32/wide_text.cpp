// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/wide_text.h"

namespace orvo::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

std::wstring Wide(ustring_view text) { return {text.begin(), text.end()}; }

ustring FromWide(std::wstring_view text) { return {text.begin(), text.end()}; }

std::wstring WideFromUtf8(std::string_view text) { return Wide(FromUtf8(text)); }

std::string Utf8FromWide(std::wstring_view text) { return ToUtf8(FromWide(text)); }

}  // namespace orvo::win32
