// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program decided screen readers are to hear after one input,
// raised as a UI Automation notification on the main window (the readers
// of Windows speak those whatever has the focus). The function is looked up
// in the system at run time: a system without it still runs, silently.
#include <vector>

#include "frontends/win32/win32_api.h"
#include "platform/text.h"

namespace orvo::win32 {

// The lines of one input as one notice, so that none cuts the one before it
// short; empty lines are left out; nothing when nothing is left.
ustring JoinNotice(const std::vector<ustring>& lines);

class UiaNotices {
 public:
  UiaNotices();
  // False where the system cannot raise notifications.
  bool Available() const { return raise_ != nullptr && host_ != nullptr; }
  // Raises `text` on `window`; false when it could not.
  bool Say(HWND window, const ustring& text);
  // Every notice raised or meant to be, oldest first.
  const std::vector<ustring>& Said() const { return said_; }

 private:
  using HostFunction = HRESULT(WINAPI*)(HWND, void**);
  using RaiseFunction = HRESULT(WINAPI*)(void*, int, int, wchar_t*, wchar_t*);  // BSTRs
  HostFunction host_ = nullptr;
  RaiseFunction raise_ = nullptr;
  std::vector<ustring> said_;
};

}  // namespace orvo::win32
