// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clipboard of its own for a desktop without a system one: the headless
// editor's, which scripts fill and read.
#include "platform/clipboard.h"

namespace orvo::emu {

class ClipboardModel : public Clipboard {
 public:
  ustring Text() const override { return text_; }
  void SetText(ustring_view text) override { text_.assign(text); }

 private:
  ustring text_;
};

}  // namespace orvo::emu
