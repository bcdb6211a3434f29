// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/gdi_font_registry.h"

#include "frontends/win32/win32_api.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {
namespace {

constexpr wchar_t kFontList[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM into) {
  auto* families = reinterpret_cast<std::vector<ustring>*>(into);
  ustring name = FromWide(font->lfFaceName);
  if (!name.empty() && name[0] != u'@' && std::find(families->begin(), families->end(), name) == families->end()) {
    families->push_back(std::move(name));
  }
  return 1;
}

// The file a value of the font list names, with the fonts folder before a bare name.
ustring FontFile(const std::wstring& data) {
  if (data.find_first_of(L"\\/") != std::wstring::npos) return FromWide(data);
  wchar_t windows[MAX_PATH + 1] = {};
  const UINT n = GetWindowsDirectoryW(windows, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return FromWide(data);
  return FromWide(std::wstring(windows, n) + L"\\Fonts\\" + data);
}

ustring FromList(HKEY root, ustring_view family) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, kFontList, 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  ustring found;
  for (DWORD i = 0; found.empty(); ++i) {
    wchar_t name[512];
    DWORD name_size = 512;
    wchar_t data[MAX_PATH * 2];
    DWORD data_size = sizeof data;
    DWORD type = 0;
    const LONG r = RegEnumValueW(key, i, name, &name_size, nullptr, &type, reinterpret_cast<BYTE*>(data), &data_size);
    if (r == ERROR_NO_MORE_ITEMS) break;
    if (r != ERROR_SUCCESS || type != REG_SZ) continue;
    if (!FontListNames(FromWide(std::wstring_view(name, name_size)), family)) continue;
    std::wstring file(data, data_size / sizeof(wchar_t));
    while (!file.empty() && file.back() == L'\0') file.pop_back();
    found = FontFile(file);
  }
  RegCloseKey(key);
  return found;
}

}  // namespace

bool FontListNames(ustring_view value_name, ustring_view family) {
  // "Face (TrueType)", "Face & Other Face (TrueType)", "Face Bold (TrueType)" ...
  if (const auto paren = value_name.rfind(u" ("); paren != ustring_view::npos) value_name = value_name.substr(0, paren);
  for (;;) {
    const auto amp = value_name.find(u" & ");
    const ustring_view face = value_name.substr(0, amp);
    if (face == family) return true;
    if (amp == ustring_view::npos) return false;
    value_name = value_name.substr(amp + 3);
  }
}

GdiFontRegistry::~GdiFontRegistry() {
  for (const ustring& path : added_) RemoveFontResourceExW(Wide(path).c_str(), FR_PRIVATE, nullptr);
}

ustring GdiFontRegistry::InstalledFont(ustring_view family) const {
  if (added_families_.contains(ustring(family))) return {};
  ustring file = FromList(HKEY_LOCAL_MACHINE, family);
  if (file.empty()) file = FromList(HKEY_CURRENT_USER, family);
  return file;
}

bool GdiFontRegistry::AddFont(const ustring& path) {
  if (added_.contains(path)) return true;
  const std::vector<ustring> before = Families();
  if (AddFontResourceExW(Wide(path).c_str(), FR_PRIVATE, nullptr) == 0) return false;
  added_.insert(path);
  for (const ustring& family : Families()) {
    if (std::find(before.begin(), before.end(), family) == before.end()) added_families_.insert(family);
  }
  return true;
}

bool GdiFontRegistry::RemoveFont(const ustring& path) {
  if (!added_.contains(path)) return false;
  added_.erase(path);
  if (added_.empty()) added_families_.clear();
  return RemoveFontResourceExW(Wide(path).c_str(), FR_PRIVATE, nullptr) != 0;
}

std::vector<ustring> GdiFontRegistry::Families() const {
  std::vector<ustring> families;
  HDC dc = GetDC(nullptr);
  if (dc == nullptr) return families;
  LOGFONTW any{};
  any.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(dc, &any, CollectFamily, reinterpret_cast<LPARAM>(&families), 0);
  ReleaseDC(nullptr, dc);
  return families;
}

}  // namespace orvo::win32
