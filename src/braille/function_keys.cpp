// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/function_keys.h"

#include "braille/braille_texts.h"
#include "braille/ime_control.h"
#include "braille/input_modes.h"
#include "platform/keys.h"

namespace orvo::braille {

bool FunctionKeys::KeyDown(int& key, int shift) {
  const bool find_open = p_.side.FindOpen();
  switch (key) {
    case vk::kEscape:
      key = 0;
      if (!s_.BrailleMode) p_.window.CloseWindow();
      return true;
    case vk::kF1:
      key = 0;
      if (!find_open || p_.side.FindHasKeyboard()) {
        m_.modes.CMD_TYPE(TypeSwitch::kF1);
        p_.host.DoEvents();
      }
      return true;
    case vk::kF2:
      key = 0;
      if (find_open) p_.side.ActivateFind();
      return true;
    case vk::kF3:
      return true;
    case vk::kF4:
      key = 0;
      if (!find_open) {
        if (s_.BrailleMode) {
          p_.side.ShowHelper();
        } else if (shift & shift_mask::kAlt) {
          p_.window.CloseWindow();
        }
      }
      return true;
    case vk::kF5:
      key = 0;
      if (s_.BrailleMode) p_.side.ShowDiagrams();
      return true;
    case vk::kF11:
      key = 0;
      if (!find_open) p_.side.ShowMemo();
      return true;
    case vk::kF6:
      key = 0;
      if (!s_.BrailleMode) m_.ime.CMD_IME(ImeSwitch::kToggle);
      return true;
    case vk::kF7:
    case vk::kF8:
    case vk::kF9:
      if (s_.BrailleMode && Pending()) {
        const int which = key;
        key = 0;
        keys_.SEND_EDIT_KEY(which);
        p_.host.DoEvents();
      }
      return true;
    case vk::kF10:
      if (shift & shift_mask::kShift) {
        keys_.SEND_CONTEXT_MENU();
        p_.host.DoEvents();
        p_.host.FocusTextBox();
        CheckImeChanged();
        key = 0;
        return true;
      }
      if (!s_.BrailleMode) return false;
      // The latch keeps F10 from the menus: the user hears the way that works.
      key = 0;
      p_.host.Say(text::kF10InBraille);
      return true;
    default:
      return false;
  }
}

bool FunctionKeys::KeyUp(int& key) {
  if (key == vk::kKana) {
    if (keys_.KANA_LOCKED()) {
      if (s_.BrailleMode) {
        p_.host.MsgBox(text::kKanaPressedBraille, message::kWarning);
        m_.modes.CMD_TYPE(TypeSwitch::kKanaKey);
      } else {
        p_.host.MsgBox(text::kKanaPressed, message::kWarning);
      }
    }
    key = 0;
    p_.host.FocusTextBox();
    return true;
  }
  if (key == vk::kKanji) {
    p_.host.FocusTextBox();
    key = 0;
    CheckImeChanged();
    return true;
  }
  return false;
}

}  // namespace orvo::braille
