// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/win32_clipboard.h"

#include "frontends/win32/win32_api.h"

#include <cstring>

namespace orvo::win32 {
namespace {

// Another program may hold the clipboard for a moment: a few tries.
bool Open() {
  for (int i = 0; i < 5; ++i) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace

ustring Win32Clipboard::Text() const {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !Open()) return {};
  ustring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const SIZE_T bytes = GlobalSize(data);
    if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
      const std::size_t most = bytes / sizeof(char16_t);
      std::size_t n = 0;
      while (n < most && chars[n] != 0) ++n;  // never past the block, whatever another program put there
      text.assign(chars, n);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return PlainText(std::move(text));
}

void Win32Clipboard::SetText(ustring_view text) {
  if (!Open()) return;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
  if (block != nullptr) {
    if (auto* chars = static_cast<char16_t*>(GlobalLock(block))) {
      std::memcpy(chars, text.data(), text.size() * sizeof(char16_t));
      chars[text.size()] = 0;
      GlobalUnlock(block);
      if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
    } else {
      GlobalFree(block);
    }
  }
  CloseClipboard();
}

}  // namespace orvo::win32
