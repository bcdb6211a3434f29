// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/input_modes.h"

#include "braille/braille_texts.h"
#include "braille/cell_conversion.h"
#include "braille/chord_capture.h"
#include "braille/ime_control.h"
#include "platform/edit_control.h"

namespace orvo::braille {

void InputModes::CMD_TYPE(TypeSwitch by) {
  if (!s_.BrailleMode && keys_.KANA_LOCKED()) {
    p_.host.MsgBox(text::kKanaLocked, message::kWarning);
    return;
  }
  // A mark still waiting for a special sound is typed while braille mode lasts.
  if (s_.BrailleMode) m_.conversion.TypePendingSign();
  s_.BrailleMode = !s_.BrailleMode;
  m_.conversion.DropCell();
  m_.chords.RESET_TEN_KEYS();
  m_.chords.FullDisplayReset();
  if (s_.BrailleMode) {
    Enter();
  } else {
    Leave(by);
  }
}

void InputModes::Enter() {
  // Begun in the find dialog, braille types into its boxes: the dialog stays.
  if (p_.side.FindOpen() && !p_.side.FindHasKeyboard()) p_.side.UnloadFind();
  p_.host.DoEvents();
  p_.menus.SetMethodPicture(picture_id::kBrailleMethod);
  p_.display.ShowMode(ustring(text::kModeKana));
  p_.display.SetDisplayTips(text::kModeTip, text::kCellsTip);
  s_.InputMode = input_mode::kKana;
  p_.menus.ShowBrailleMenus(true);
  p_.display.ShowCells(u"");
  p_.menus.SetCoverVisible(false);
  m_.ime.CMD_IME(ImeSwitch::kOn);
  p_.menus.SetImePicture(picture_id::kImeBraille);
  if (!s_.LatchHeld) {
    keys_.LATCH_ON();
    p_.host.DoEvents();
  }
  if (p_.window.WindowEnabled()) p_.host.FocusTextBox();
  // A reading typed before braille mode began is the mode's own from the
  // start; with none, the mirrors keep the reading a window took away, to be
  // typed again when the text box has the keyboard back.
  if (!m_.ime.Composed().empty()) m_.ime.Mirror();
}

void InputModes::Leave(TypeSwitch by) {
  if (p_.side.HelperOpen()) p_.side.UnloadHelper();
  if (p_.side.DiagramsOpen()) p_.side.UnloadDiagrams();
  p_.host.DoEvents();
  if (s_.LatchHeld) {
    keys_.LATCH_OFF();
    p_.host.DoEvents();
  }
  p_.menus.SetMethodPicture(picture_id::kRomajiMethod);
  p_.display.SetDisplayTips(u"", u"");
  s_.InputMode = input_mode::kOff;
  p_.menus.ShowBrailleMenus(false);
  p_.menus.SetCoverVisible(true);
  p_.menus.SetToolVisible(true);
  EditControl& box = p_.window.TypingBox();
  if (box.ImeMode() != ime_mode::kOff) {
    box.SetImeMode(ime_mode::kHiragana);
    p_.menus.SetImePicture(picture_id::kImeOn);
  }
  if (by != TypeSwitch::kHook && p_.window.WindowEnabled()) p_.host.FocusTextBox();
}

void InputModes::SET_IME_MODE() {
  if (s_.InputMode == input_mode::kOff) return;
  if (const InputModeRow* row = FindInputMode(s_.InputMode)) {
    p_.display.ShowMode(ustring(row->caption));
    p_.window.TypingBox().SetImeMode(row->ime_mode);
  } else {
    p_.host.MsgBox(text::kBadMode, message::kWarning);
  }
}

void InputModes::ModeLabelClick() {
  if (!s_.BrailleMode) return;
  m_.conversion.TypePendingSign();
  if (s_.InputMode == input_mode::kLower) keys_.CAPS_RESTORE();
  m_.conversion.SetCapitalCount(0);
  s_.InputMode = input_mode::kKana;
  p_.window.TypingBox().SetImeMode(ime_mode::kOff);
  SET_IME_MODE();
  m_.chords.RESET_TEN_KEYS();
  p_.display.ShowCells(u"");
  p_.host.FocusTextBox();
}

}  // namespace orvo::braille
