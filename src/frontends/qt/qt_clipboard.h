// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's own clipboard, in its plain-text form: what the editor cuts or
// copies pastes in any other program, and the other way round.
#include "platform/clipboard.h"

namespace orvo::qt {

class QtClipboard : public Clipboard {
 public:
  // A QGuiApplication must exist whenever the clipboard is used.
  ustring Text() const override;
  void SetText(ustring_view text) override;
};

}  // namespace orvo::qt
