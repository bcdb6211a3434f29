// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/window_hook.h"

#include "braille/input_modes.h"
#include "platform/keys.h"

namespace orvo::braille {

void WindowHook::Install() {
  if (installed_) Remove();
  installed_ = true;
}

void WindowHook::Remove() { installed_ = false; }

void WindowHook::RemoveQuietly() {
  installed_ = false;
  s_.LatchHeld = false;
}

void WindowHook::Warn(int code) {
  s_.PendingWarning = code;
  p_.timer.SetWarningTimer(true);
}

void WindowHook::ActivateApp(bool) {
  if (!installed_ || !s_.BrailleMode) return;
  // Only leaving braille mode is worth a warning: one on every change of the
  // application would answer itself, since its own box changes the activation.
  modes_.CMD_TYPE(TypeSwitch::kHook);
  if (!p_.window.WindowMinimized()) Warn(pending_warning::kLeftBraille);
}

void WindowHook::KeyDown(int key) {
  if (!installed_) return;
  if (s_.BrailleMode && key == vk::kEscape) {
    modes_.CMD_TYPE(TypeSwitch::kHook);
    Warn(pending_warning::kEscape);
  }
}

void WindowHook::Notice(EditNotice notice) {
  if (!installed_) return;
  if (s_.BrailleMode) modes_.CMD_TYPE(TypeSwitch::kHook);
  Warn(notice == EditNotice::kErrSpace ? pending_warning::kOutOfMemory : pending_warning::kLimit);
}

void WindowHook::Close() {
  if (!installed_) return;
  if (s_.LatchHeld) {
    p_.keyboard.SendKey(vk::kControl, 116, true);
    p_.keyboard.SendKey(vk::kMenu, 115, true);
    p_.host.DoEvents();
  }
  if (p_.side.HelperOpen()) p_.side.UnloadHelper();
  if (p_.side.DiagramsOpen()) p_.side.UnloadDiagrams();
  p_.host.DoEvents();
  RemoveQuietly();
}

}  // namespace orvo::braille
