// SPDX-License-Identifier: GPL-3.0-or-later
// Upper case by Windows' own table (LCMapStringEx, the invariant locale's
// linguistic casing): the whole text at once, and code point by code point
// where the whole would change its length.
#include <windows.h>

#include "platform/letter_case.h"

namespace orvo {
namespace {

constexpr DWORD kFlags = LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING;

bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

// The upper case of `text` when it has exactly the text's length.
bool UpperSameLength(ustring_view text, char16_t* out) {
  const int n = static_cast<int>(text.size());
  const auto* in = reinterpret_cast<const wchar_t*>(text.data());
  if (LCMapStringEx(LOCALE_NAME_INVARIANT, kFlags, in, n, nullptr, 0, nullptr, nullptr, 0) != n) return false;
  return LCMapStringEx(LOCALE_NAME_INVARIANT, kFlags, in, n, reinterpret_cast<wchar_t*>(out), n, nullptr, nullptr,
                       0) == n;
}

}  // namespace

ustring UpperCaseSameLength(ustring_view text) {
  ustring out(text);
  if (text.empty() || UpperSameLength(text, out.data())) return out;
  out = text;
  for (std::size_t i = 0; i < text.size();) {
    const bool pair = i + 1 < text.size() && IsHighSurrogate(text[i]) && IsLowSurrogate(text[i + 1]);
    const std::size_t units = pair ? 2 : 1;
    char16_t upper[2] = {};
    if (UpperSameLength(text.substr(i, units), upper)) out.replace(i, units, upper, units);
    i += units;
  }
  return out;
}

}  // namespace orvo
