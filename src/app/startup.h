// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up procedure: checks the keyboard and the display, refuses to run
// where the editor cannot work, fixes the program-wide values, loads the
// settings and shows the main window.
#include "toolkit/program_values.h"
#include "braille/key_synth.h"
#include "platform/platform.h"

namespace orvo {

// The steps of start-up that belong to other parts of the program.
class StartupSteps {
 public:
  virtual ~StartupSteps() = default;
  virtual bool LoadSettings() = 0;
  virtual void QueryWorkArea() = 0;
  virtual void SetUpRecentFilesMenu() = 0;
  virtual void ShowMainWindow() = 0;
};

// Returns true when the main window was shown; false when start-up refused
// (the program has then been ended).
bool Main(Platform& platform, ProgramValues& values, braille::KeySynth& keys, StartupSteps& steps);

}  // namespace orvo
