// SPDX-License-Identifier: GPL-3.0-or-later
// The window hook over fakes of the main window: which outside events end
// braille mode and which warning each leaves for the timer.
#include "braille/window_hook.h"

#include <gtest/gtest.h>

#include <functional>

#include "braille/fakes/braille_rig.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

using test_support::BrailleRig;

struct HookCase {
  const char* name;
  std::function<void(WindowHook&)> event;
  bool minimized;
  int warning;  // pending_warning; kNone: the timer is not started
};

TEST(WindowHook, OutsideEventsEndBrailleModeAndLeaveTheirWarning) {
  const HookCase cases[] = {
      {"activation", [](WindowHook& h) { h.ActivateApp(false); }, false,
       pending_warning::kLeftBraille},
      {"activation while minimised", [](WindowHook& h) { h.ActivateApp(false); }, true,
       pending_warning::kNone},
      {"Esc", [](WindowHook& h) { h.KeyDown(vk::kEscape); }, false, pending_warning::kEscape},
      {"out of memory", [](WindowHook& h) { h.Notice(EditNotice::kErrSpace); }, false,
       pending_warning::kOutOfMemory},
      {"limit", [](WindowHook& h) { h.Notice(EditNotice::kMaxText); }, false,
       pending_warning::kLimit},
  };
  for (const HookCase& c : cases) {
    SCOPED_TRACE(c.name);
    BrailleRig rig;
    rig.hook.Install();
    rig.EnterBraille();
    rig.window.minimized = c.minimized;
    c.event(rig.hook);
    EXPECT_FALSE(rig.state.BrailleMode);
    EXPECT_FALSE(rig.state.LatchHeld);
    EXPECT_EQ(rig.state.PendingWarning, c.warning);
    EXPECT_EQ(rig.timer.running, c.warning != pending_warning::kNone);
  }
}

TEST(WindowHook, RomajiModeOnlyHearsTheTextBoxLimits) {
  BrailleRig rig;
  rig.hook.Install();
  rig.hook.ActivateApp(false);
  rig.hook.KeyDown(vk::kEscape);
  EXPECT_FALSE(rig.timer.running);
  rig.hook.Notice(EditNotice::kMaxText);
  EXPECT_EQ(rig.state.PendingWarning, pending_warning::kLimit);
  EXPECT_TRUE(rig.timer.running);
}

TEST(WindowHook, NotInstalledItHearsNothing) {
  BrailleRig rig;
  rig.EnterBraille();
  rig.hook.KeyDown(vk::kEscape);
  rig.hook.Notice(EditNotice::kErrSpace);
  EXPECT_TRUE(rig.state.BrailleMode);
  EXPECT_FALSE(rig.timer.running);
}

TEST(WindowHook, ClosingReleasesTheLatchAndTheSideWindows) {
  BrailleRig rig;
  rig.hook.Install();
  rig.EnterBraille();
  rig.side.helper_open = true;
  rig.side.diagrams_open = true;
  rig.hook.Close();
  EXPECT_FALSE(rig.hook.Installed());
  EXPECT_FALSE(rig.state.LatchHeld);
  EXPECT_FALSE(rig.desktop.IsDown(vk::kControl));
  EXPECT_FALSE(rig.desktop.IsDown(vk::kMenu));
  EXPECT_EQ(rig.side.calls, (std::vector<std::string>{"UnloadHelper", "UnloadDiagrams"}));
}

}  // namespace
}  // namespace orvo::braille
