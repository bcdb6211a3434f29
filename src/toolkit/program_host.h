// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every subsystem asks of the running program: pending events run,
// the focus back on the text, and a message box over the main window.
#include "toolkit/message_flags.h"
#include "platform/text.h"

namespace orvo {

class ProgramHost {
 public:
  virtual ~ProgramHost() = default;
  virtual void DoEvents() = 0;
  virtual void FocusTextBox() = 0;
  // A message box over the main window; returns the button chosen.
  virtual MessageResult MsgBox(const ustring& text, MessageFlags flags) = 0;
  // Tells a screen reader what no window shows (a key that does nothing
  // here, and what to press instead).
  virtual void Say(const ustring& text) { (void)text; }
};

}  // namespace orvo
