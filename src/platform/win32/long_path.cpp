// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/long_path.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";
// The plain form's limit, less the room a folder needs for its 8.3 names.
constexpr std::size_t kPlainLimit = MAX_PATH - 12;

}  // namespace

std::wstring FullPath(const std::wstring& path) {
  if (path.empty() || path.starts_with(kLongPrefix)) return path;
  const DWORD need = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (need == 0) return path;
  std::wstring full(need, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), need, full.data(), nullptr);
  if (length == 0 || length >= need) return path;
  full.resize(length);
  return full;
}

std::wstring SystemPath(const ustring& path) {
  std::wstring full = FullPath(Wide(path));
  if (full.size() < kPlainLimit || full.starts_with(kLongPrefix)) return full;
  if (full.starts_with(L"\\\\")) return std::wstring(kLongUncPrefix) + full.substr(2);
  return std::wstring(kLongPrefix) + full;
}

std::wstring WithoutPrefix(const std::wstring& path) {
  if (path.starts_with(kLongUncPrefix)) return L"\\\\" + path.substr(kLongUncPrefix.size());
  if (path.starts_with(kLongPrefix)) return path.substr(kLongPrefix.size());
  return path;
}

}  // namespace orvo::win32
