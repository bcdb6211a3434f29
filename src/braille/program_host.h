#pragma once
// What every braille module asks of the running program: pending events run,
// the focus back on the text, and a message box over the main window.
#include "app/message_flags.h"
#include "platform/text.h"

namespace orvo::braille {

class ProgramHost {
 public:
  virtual ~ProgramHost() = default;
  virtual void DoEvents() = 0;
  virtual void FocusTextBox() = 0;
  // A message box over the main window; returns the button chosen.
  virtual MessageResult MsgBox(const ustring& text, MessageFlags flags) = 0;
};

}  // namespace orvo::braille
