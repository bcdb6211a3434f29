// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/chord_capture.h"

#include "braille/cell_conversion.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

bool IsMenuLetter(int key) { return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'); }

bool IsArrow(int key) {
  return key == vk::kLeft || key == vk::kUp || key == vk::kRight || key == vk::kDown;
}

}  // namespace

void ChordCapture::FormKeyDown(int& key, int shift) {
  if (s_.SynthBusy) return;
  if (s_.AltPass || s_.CtrlPass) {
    // The real Alt let through reaches the menus: its letter goes on to the
    // window's menu keys, as Alt with a letter does out of braille mode.
    if (!(s_.AltPass && !s_.CtrlPass && IsMenuLetter(key))) key = 0;
    return;
  }
  if (s_.ShiftSelect) {
    if (ShiftSelectKeyDown(key)) return;  // an arrow goes on, past the dot keys
  } else if (chord_.KeyDown(key)) {
    return;
  }
  // A mark waiting for a special sound goes in before the key acts; H and
  // Backspace cancel it instead.
  if (s_.BrailleMode && key != vk::kBack && key != 'H') m_.conversion.TypePendingSign();
  if (function_keys_.KeyDown(key, shift)) return;
  if (!s_.BrailleMode) return;
  commands_.KeyDown(key);
}

bool ChordCapture::ShiftSelectKeyDown(int& key) {
  if (key == vk::kSpace) {
    keys_.SEND_SHIFT_SPACE();
    s_.ShiftSelect = false;
    return true;
  }
  if (key == vk::kF10) {
    if (s_.BrailleMode) keys_.SEND_CONTEXT_MENU();
    p_.host.DoEvents();
    p_.host.FocusTextBox();
    CheckImeChanged();
    key = 0;
    return true;
  }
  if (!IsArrow(key)) {
    key = 0;
    return true;
  }
  return false;
}

void ChordCapture::FormKeyUp(int& key, int) {
  if (s_.SynthBusy) return;
  if (s_.AltPass || s_.CtrlPass) {
    if (key == vk::kControl || key == vk::kMenu) keys_.PASS_END();
    key = 0;
    return;
  }
  if (keys_.LatchAgain(key)) {
    key = 0;
    return;
  }
  if (s_.ShiftSelect) {
    ShiftSelectKeyUp(key);
    return;
  }
  if (chord_.KeyUp(key) || function_keys_.KeyUp(key) || commands_.KeyUp(key)) return;
  if (s_.BrailleMode) key = 0;
}

void ChordCapture::ShiftSelectKeyUp(int& key) {
  if (key == vk::kShift) {
    key = 0;
    s_.ShiftSelect = false;
    p_.host.FocusTextBox();
    return;
  }
  if (IsArrow(key) && !s_.LatchHeld) {
    keys_.LATCH_ON();
    p_.host.DoEvents();
  }
  key = 0;
}

}  // namespace orvo::braille
