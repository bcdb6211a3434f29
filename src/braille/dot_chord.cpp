// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/dot_chord.h"

#include "braille/braille_keymap.h"
#include "braille/braille_texts.h"
#include "braille/cell_codes.h"
#include "braille/cell_conversion.h"
#include "braille/input_modes.h"

namespace orvo::braille {

void DotChord::Drop() {
  if (s_.DotKeyCount != 0) {
    s_.DotKeyCount = 0;
    s_.DotKeysDown = 0;
    s_.DotValue.fill(0);
    m_.conversion.DropCell();
  }
}

void DotChord::Reset() {
  Drop();
  if (s_.BrailleMode && !s_.LatchHeld) {
    keys_.LATCH_ON();
    p_.host.DoEvents();
  }
}

void DotChord::KeyRepeat(int& key) {
  if (s_.BrailleMode && !s_.SynthBusy && DotOf(key) >= 0) key = 0;
}

bool DotChord::KeyDown(int& key) {
  if (!s_.BrailleMode) return false;
  const int dot = DotOf(key);
  if (dot < 0) {
    if (!s_.ConfirmBusy) return false;
    key = 0;
    return true;
  }
  if (Converted(s_.ConvStage)) {
    s_.ConfirmBusy = true;
    s_.ConvStage = ConvStage::kNothing;
    keys_.SEND_LATCH_ENTER();
    p_.host.DoEvents();
    s_.ConfirmBusy = false;
    ClearCells();
    m_.conversion.Reset();
    if (s_.InputMode == input_mode::kDigits) {
      s_.InputMode = input_mode::kKana;
      m_.modes.SET_IME_MODE();
    }
  }
  // A key let go and pressed again inside the chord adds nothing to the
  // cell, but the chord waits for its release again.
  const auto bit = static_cast<std::uint8_t>(1U << dot);
  if ((s_.DotKeysDown & bit) == 0) {
    s_.DotKeysDown |= bit;
    ++s_.DotKeyCount;
  }
  s_.DotValue[static_cast<std::size_t>(dot)] = DotWeight(dot);
  key = 0;
  return true;
}

bool DotChord::KeyUp(int& key) {
  const int dot = DotOf(key);
  if (!s_.BrailleMode || dot < 0 || !s_.LatchHeld) return false;
  const auto bit = static_cast<std::uint8_t>(1U << dot);
  if ((s_.DotKeysDown & bit) == 0 || s_.DotKeyCount <= 0) {
    // A release whose press the chord never counted (held before braille
    // mode began, or across a reset): it neither closes nor shortens it.
    key = 0;
    return true;
  }
  s_.DotKeysDown &= static_cast<std::uint8_t>(~bit);
  const int before = s_.DotKeyCount;
  s_.DotKeyCount = before - 1;
  if (before == 1) {
    Close(key);
  } else {
    key = 0;
  }
  return true;
}

void DotChord::Close(int& key) {
  const CellCode cell = GET_TEN_CODE(s_.DotValue);
  if (cell == 0) {
    p_.host.MsgBox(text::kNoCell, message::kWarning);
    ClearCells();
    m_.conversion.Reset();
    m_.conversion.RestoreComposition(Restore::kReading);
    p_.host.FocusTextBox();
  } else if (!(cell == '#' && s_.InputMode == input_mode::kDigits)) {
    if (Converted(s_.ConvStage)) FullDisplayReset();
    m_.conversion.Convert(cell);
    if (s_.JoinDisplay) {
      p_.display.ShowCells(p_.display.Cells() + static_cast<char16_t>(cell));
      s_.JoinDisplay = false;
    } else {
      p_.display.ShowCells(ustring(1, static_cast<char16_t>(cell)));
    }
    p_.host.DoEvents();
  }
  s_.DotValue.fill(0);
  // A conversion whose typing let this chord close meanwhile stops there.
  m_.conversion.DropCell();
  p_.host.FocusTextBox();
  key = 0;
}

}  // namespace orvo::braille
