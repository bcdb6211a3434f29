// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's text (UTF-16) and UTF-8 as the wide strings Windows takes.
#include <string>
#include <string_view>

#include "platform/text.h"

namespace orvo::win32 {

std::wstring Wide(ustring_view text);
ustring FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace orvo::win32
