// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's UTF-16 text and Windows' wide strings are the same code
// units: a copy element by element, nothing converted.
#include <string>
#include <string_view>

#include "platform/text.h"

namespace orvo::win32 {

inline std::wstring Wide(ustring_view text) { return std::wstring(text.begin(), text.end()); }
inline ustring FromWide(std::wstring_view text) { return ustring(text.begin(), text.end()); }
inline ustring FromWide(const wchar_t* text) { return text == nullptr ? ustring() : FromWide(std::wstring_view(text)); }

}  // namespace orvo::win32
