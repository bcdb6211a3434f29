// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/drop_handle.h"

#include <cstring>

#include <shlobj.h>  // DROPFILES

namespace orvo::win32 {

HDROP MakeDropHandle(const std::vector<std::wstring>& paths, POINT at) {
  std::wstring names;
  for (const std::wstring& path : paths) {
    names += path;
    names += L'\0';
  }
  names += L'\0';
  if (paths.empty()) names += L'\0';  // an empty list still ends in two
  const SIZE_T bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (memory == nullptr) return nullptr;
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  if (drop == nullptr) {
    GlobalFree(memory);
    return nullptr;
  }
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = at;
  drop->fNC = FALSE;
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

}  // namespace orvo::win32
