#include "braille/window_hook.h"

#include "app/main_window.h"
#include "app/program.h"
#include "platform/keys.h"

namespace orvo::braille {

void WindowHook::Install() {
  if (installed_) Remove();
  installed_ = true;
}

void WindowHook::Remove() { installed_ = false; }

void WindowHook::RemoveQuietly() {
  installed_ = false;
  p_.state.LatchHeld = false;
}

void WindowHook::Warn(int code) {
  p_.state.PendingWarning = code;
  p_.Main().Timer1.SetEnabled(true);
}

void WindowHook::ActivateApp(bool) {
  if (!installed_ || !p_.state.BrailleMode) return;
  // Only leaving braille mode is worth a warning: one on every change of the
  // application would answer itself, since its own box changes the activation.
  p_.modes.CMD_TYPE(0);
  if (!p_.Main().Minimized()) Warn(1);
}

void WindowHook::KeyDown(int key) {
  if (!installed_) return;
  if (p_.state.BrailleMode && key == vk::kEscape) {
    p_.modes.CMD_TYPE(0);
    Warn(2);
  }
}

void WindowHook::Notice(EditNotice notice) {
  if (!installed_) return;
  if (p_.state.BrailleMode) p_.modes.CMD_TYPE(0);
  Warn(notice == EditNotice::kErrSpace ? 3 : 4);
}

void WindowHook::Close() {
  if (!installed_) return;
  if (p_.state.LatchHeld) {
    p_.platform.keyboard.SendKey(vk::kControl, 116, true);
    p_.platform.keyboard.SendKey(vk::kMenu, 115, true);
    p_.DoEvents();
  }
  if (p_.flags.HelperOpen) p_.windows->UnloadHelper();
  if (p_.flags.DiagramsOpen) p_.windows->UnloadDiagrams();
  p_.DoEvents();
  RemoveQuietly();
}

}  // namespace orvo::braille
