// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every secondary window (find, settings, the help windows) reaches of
// the running program, and nothing more: the desktop, the forms it lives
// among, the message box, the values and flags all windows share, the work
// area and its owner. A window that needs a subsystem's service takes that
// subsystem's port beside this.
#include "platform/platform.h"
#include "toolkit/forms/forms_runtime.h"
#include "toolkit/message_box.h"
#include "toolkit/main_window_port.h"
#include "toolkit/program_host.h"
#include "toolkit/program_values.h"
#include "toolkit/window_flags.h"
#include "toolkit/window_utils/window_enabler.h"
#include "toolkit/window_utils/work_area.h"

namespace orvo {

struct WindowContext {
  Platform& platform;
  forms::FormsRuntime& forms;
  MessageBox& messages;
  ProgramHost& host;  // pending events run, the focus back on the text
  WindowEnabler& enabler;  // windows disabled under an hourglass
  WindowFlags& flags;
  const ProgramValues& values;
  const WorkAreaTwips& work_area;
  MainWindowPort& owner;

  void DoEvents() const { host.DoEvents(); }
};

}  // namespace orvo
