// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/text_box_keys.h"

#include "braille/ime_control.h"

namespace orvo::braille {
namespace {

constexpr int kVkProcessKey = 229;
constexpr int kFirstImeKey = 193;  // key codes from here up belong to the IME

}  // namespace

void TextBoxKeys::KeyDown(int& key) {
  // The remapped key itself must still reach the box; only real keys stop here.
  if (s_.RepeatGuard && !s_.SynthBusy) key = 0;
}

void TextBoxKeys::KeyUp(int& key) {
  if (s_.ShiftSelect) return;
  if (s_.RepeatGuard) {
    s_.RepeatGuard = false;
    key = 0;
    return;
  }
  if (s_.SynthBusy) s_.SynthBusy = false;
  if (s_.BrailleMode) m_.ime.Mirror();
  p_.text.UpdateStatus();
  if (key >= kFirstImeKey && key != kVkProcessKey) {
    p_.host.FocusTextBox();
    key = 0;
    p_.host.DoEvents();
    CheckImeChanged();
  }
}

void TextBoxKeys::MouseUp(int button) {
  if (button == 1) {
    p_.text.UpdateStatus();
  } else if (button == 2) {
    p_.host.DoEvents();
    p_.host.FocusTextBox();
    CheckImeChanged();
  }
}

}  // namespace orvo::braille
