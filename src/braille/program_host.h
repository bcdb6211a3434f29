#pragma once
// What every braille module asks of the running program: pending events run,
// the focus back on the text, and a message box over the main window.
#include "platform/text.h"

namespace orvo::braille {

class ProgramHost {
 public:
  virtual ~ProgramHost() = default;
  virtual void DoEvents() = 0;
  virtual void FocusTextBox() = 0;
  // The message box call's own flags (icon and buttons); returns the button chosen.
  virtual int MsgBox(const ustring& text, int flags) = 0;
};

}  // namespace orvo::braille
