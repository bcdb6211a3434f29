// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows clipboard's Unicode text.
#include "platform/clipboard.h"

namespace orvo::win32 {

class Win32Clipboard : public Clipboard {
 public:
  ustring Text() const override;
  void SetText(ustring_view text) override;
};

}  // namespace orvo::win32
