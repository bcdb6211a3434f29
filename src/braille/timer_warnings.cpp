// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/timer_warnings.h"

#include "braille/braille_texts.h"

namespace orvo::braille {

void TimerWarnings::Timer1Tick() {
  p_.timer.SetWarningTimer(false);
  switch (s_.PendingWarning) {
    case pending_warning::kLeftBraille:
      p_.host.MsgBox(text::kWarning, message::kWarning);
      break;
    case pending_warning::kEscape:
      keys_.SendKeysEnter();
      p_.host.DoEvents();
      p_.host.MsgBox(text::kWarning, message::kWarning);
      break;
    case pending_warning::kOutOfMemory:
      p_.host.MsgBox(text::kOutOfMemory, message::kWarning);
      break;
    case pending_warning::kLimit:
      p_.host.MsgBox(text::kLimit, message::kWarning);
      break;
    default:
      return;
  }
  p_.host.DoEvents();
  s_.PendingWarning = pending_warning::kNone;
  if (p_.window.WindowEnabled()) p_.host.FocusTextBox();
}

}  // namespace orvo::braille
