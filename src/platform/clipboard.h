// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system clipboard in its plain-text form.
#include "platform/text.h"

namespace orvo {

// The clipboard's text as a text box takes it: up to its first NUL, past
// which nothing is text (what another program put there may be binary).
inline ustring PlainText(ustring text) {
  if (const auto nul = text.find(u'\0'); nul != ustring::npos) text.resize(nul);
  return text;
}

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text; empty when it holds none (or only something else).
  virtual ustring Text() const = 0;
  virtual void SetText(ustring_view text) = 0;
};

}  // namespace orvo
