// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/key_part.h"

#include "braille/cell_conversion.h"
#include "braille/ime_control.h"

namespace orvo::braille {

bool KeyPart::Pending() const { return !p_.mirrors.MirrorText(MirrorBox::kReading).empty(); }

void KeyPart::DisplayReset() {
  s_.ConvStage = ConvStage::kNothing;
  ClearCells();
  m_.conversion.Reset();
}

void KeyPart::FullDisplayReset() {
  DisplayReset();
  s_.ShiftSelect = false;
  s_.AltPass = false;
  s_.CtrlPass = false;
}

void KeyPart::CheckImeChanged() {
  // With no IME bound (none, or not in romaji mode: the start said so) there
  // is no state to follow, and reading it as closed would end braille mode.
  if (!m_.ime.Alive()) return;
  if (m_.ime.OpenStatus() != s_.ImeOpen) m_.ime.CMD_IME(ImeSwitch::kToggle);
}

void KeyPart::Send(int key) {
  keys_.SEND_EDIT_KEY(key);
  if (Converted(s_.ConvStage)) s_.ConvStage = Pending() ? ConvStage::kReading : ConvStage::kNothing;
}

}  // namespace orvo::braille
