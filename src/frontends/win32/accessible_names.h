// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What screen readers hear of a window: its name and description set as
// accessibility properties of the window (the system's dynamic annotation),
// for controls whose text is not their name; a changed name told to them.
#include "frontends/win32/win32_api.h"

#include "platform/text.h"

struct IAccPropServices;

namespace orvo::win32 {

class AccessibleNames {
 public:
  AccessibleNames();
  ~AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;

  // False where the system has no annotation service (the names then stay the windows' texts).
  bool Available() const { return services_ != nullptr; }
  void SetName(HWND window, const ustring& name);
  void SetDescription(HWND window, const ustring& description);
  // The window is going: its annotations go with it.
  void Forget(HWND window);
  // The window's name changed: readers that follow it hear the new one.
  static void NameChanged(HWND window);

 private:
  IAccPropServices* services_ = nullptr;
};

}  // namespace orvo::win32
