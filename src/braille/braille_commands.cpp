// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/braille_commands.h"

#include "braille/braille_texts.h"
#include "braille/cell_conversion.h"
#include "braille/input_modes.h"
#include "platform/keys.h"

namespace orvo::braille {

void BrailleCommands::KeyDown(int& key) {
  const std::optional<int> edit_key = RepeatGuardedKey(key);
  if (edit_key) {
    if (s_.RepeatGuard) {
      key = 0;
      return;
    }
    s_.RepeatGuard = true;
    key = *edit_key;
  }
  Run(CommandOf(key), key, Pending());
  // A sent key's own key-up has cleared the guard by now; a command that sent
  // nothing leaves none to clear it, and the next H, N or G would be lost.
  if (edit_key) s_.RepeatGuard = false;
}

void BrailleCommands::Run(KeyCommand command, int& key, bool pending) {
  switch (command) {
    case KeyCommand::kBackspace:
      return Backspace(key, pending);
    case KeyCommand::kTab:
      if (pending) Send(vk::kTab);
      break;
    case KeyCommand::kEnter:
      return Enter(key);
    case KeyCommand::kShiftSelect:
    case KeyCommand::kCtrlPass:
    case KeyCommand::kAltPass:
      return Modifier(key, pending, command);
    case KeyCommand::kSpace:
      return Space(key, pending);
    case KeyCommand::kLeft:
      return Arrow(key, pending, vk::kLeft);
    case KeyCommand::kRight:
      return Arrow(key, pending, vk::kRight);
    case KeyCommand::kUp:
      return Up(key, pending);
    case KeyCommand::kDown:
      return Down(key, pending);
    case KeyCommand::kDelete:
      if (m_.conversion.NoOutput() || !(pending && Converted(s_.ConvStage))) Send(vk::kDelete);
      break;
    case KeyCommand::kLineEdge:
      return LineEdge(key, pending);
    case KeyCommand::kScrollLine:
      p_.text.ScrollLine(key);
      break;
    case KeyCommand::kScrollSideways:
      p_.text.ScrollSideways(key);
      break;
    case KeyCommand::kTextEdge:
      return TextEdge(key, pending);
    case KeyCommand::kRetypeResult:
      RetypeResult();
      break;
    case KeyCommand::kRetypeReading:
      RetypeReading(pending);
      break;
    case KeyCommand::kContextMenu:
      if (!pending) {
        keys_.SEND_CONTEXT_MENU();
        p_.host.DoEvents();
        CheckImeChanged();
      }
      break;
    case KeyCommand::kSwallow:
      break;
  }
  key = 0;
}

void BrailleCommands::RefuseModifier(const ustring& which) {
  p_.host.MsgBox(text::kRefuseHead + u"\r\n\r\n" + which, message::kWarning);
  m_.conversion.RestoreComposition(Restore::kReading);
}

void BrailleCommands::Backspace(int& key, bool pending) {
  if (m_.conversion.NoOutput()) {
    ClearCells();
    if (s_.InputMode < input_mode::kOneCapital) {
      s_.InputMode = input_mode::kKana;
    } else {
      s_.InputMode = input_mode::kLower;
      m_.conversion.SetCapitalCount(0);
      keys_.CAPS_OFF();
    }
    m_.modes.SET_IME_MODE();
    m_.conversion.Reset();
  } else {
    if (pending) ClearCells();
    Send(vk::kBack);
  }
  key = 0;
}

void BrailleCommands::Enter(int& key) {
  ClearCells();
  m_.conversion.Reset();
  if (s_.InputMode == input_mode::kDigits) {
    s_.InputMode = input_mode::kKana;
    m_.modes.SET_IME_MODE();
  }
  keys_.SEND_EDIT_KEY(vk::kReturn);
  s_.ConvStage = ConvStage::kNothing;
  key = 0;
  p_.text.UpdateStatus();
}

void BrailleCommands::Modifier(int& key, bool pending, KeyCommand command) {
  key = 0;
  if (pending) {
    RefuseModifier(command == KeyCommand::kShiftSelect ? text::kRefuseShift
                   : command == KeyCommand::kCtrlPass  ? text::kRefuseCtrl
                                                       : text::kRefuseAlt);
  } else if (command == KeyCommand::kShiftSelect) {
    s_.ShiftSelect = true;
  } else if (command == KeyCommand::kCtrlPass) {
    chord_.Drop();  // the keys passing through take the dot keys' releases too
    keys_.CTRL_PASS_ON();
  } else {
    chord_.Drop();
    keys_.ALT_PASS_ON();
  }
}

void BrailleCommands::Space(int& key, bool pending) {
  if (s_.ConvStage == ConvStage::kConverting) {
    keys_.SEND_EDIT_KEY(vk::kSpace);
  } else {
    if (pending && s_.ConvStage == ConvStage::kReading) s_.ConvStage = ConvStage::kConverting;
    keys_.SEND_EDIT_KEY(vk::kSpace);
    ClearCells();
  }
  key = 0;
}

// An arrow for the IME, unless Shift is selecting outside a composition: then
// the real Shift+arrow goes on to the text box.
void BrailleCommands::Arrow(int& key, bool pending, int arrow) {
  if (pending || !s_.ShiftSelect) {
    Send(arrow);
    key = 0;
    return;
  }
  if (s_.LatchHeld) {
    keys_.LATCH_OFF();
    p_.host.DoEvents();
  }
  key = arrow;
}

void BrailleCommands::Up(int& key, bool pending) {
  if (!pending) return Arrow(key, pending, vk::kUp);
  if (Converted(s_.ConvStage)) {
    keys_.SEND_EDIT_KEY(vk::kUp);
  } else if (s_.ConvStage == ConvStage::kNothing) {
    s_.ConvStage = ConvStage::kCandidates;
    Send(vk::kUp);
  }
  key = 0;
}

void BrailleCommands::Down(int& key, bool pending) {
  if (!pending) return Arrow(key, pending, vk::kDown);
  if (!Converted(s_.ConvStage)) {
    DisplayReset();
    keys_.SEND_EDIT_KEY(vk::kReturn);
  } else {
    const ustring before = p_.mirrors.MirrorText(MirrorBox::kResult);
    keys_.Send_ARROW_Ctrl(vk::kDown);
    if (p_.mirrors.MirrorText(MirrorBox::kResult) == before) keys_.SEND_EDIT_KEY(vk::kDown);
  }
  if (!Pending()) s_.ConvStage = ConvStage::kNothing;
  key = 0;
  p_.text.UpdateStatus();
}

void BrailleCommands::LineEdge(int& key, bool pending) {
  if (!pending) {
    p_.text.CaretToLineEdge(key);
  } else if (!Converted(s_.ConvStage)) {
    keys_.Send_ARROW_Ctrl(key);
  } else {
    keys_.Send_ARROW_Shift(key);
  }
  key = 0;
}

void BrailleCommands::TextEdge(int& key, bool pending) {
  if (Converted(s_.ConvStage)) {
    keys_.Send_ARROW_Ctrl(key);
  } else if (!pending) {
    p_.text.CaretToTextEdge(key == 'P');
  }
  key = 0;
}

void BrailleCommands::RetypeResult() {
  if (!s_.ImeOpen) return;
  if (!p_.mirrors.MirrorText(MirrorBox::kResultReading).empty()) {
    m_.conversion.RestoreComposition(Restore::kResult);
  } else {
    p_.host.MsgBox(text::kNoResult, message::kInformation);
    m_.conversion.RestoreComposition(Restore::kReading);
  }
}

void BrailleCommands::RetypeReading(bool pending) {
  if (!s_.ImeOpen) return;
  if (pending) {
    p_.host.FocusTextBox();
    m_.conversion.RestoreComposition(Restore::kReading);
  } else {
    p_.host.MsgBox(text::kNoPending, message::kInformation);
    p_.host.FocusTextBox();
  }
}

bool BrailleCommands::KeyUp(int& key) {
  if (!s_.BrailleMode || key != 'R') return false;
  ResetInput();
  key = 0;
  return true;
}

// Braille input as it began: kana mode, Caps Lock off, the chord and the displays reset.
void BrailleCommands::ResetInput() {
  p_.host.MsgBox(text::kReset, message::kWarning);
  keys_.CAPS_SAVE_OFF();
  m_.conversion.SetCapitalCount(0);
  s_.InputMode = input_mode::kKana;
  ClearCells();
  p_.window.TypingBox().SetImeMode(ime_mode::kHiragana);
  m_.modes.SET_IME_MODE();
  chord_.Reset();
  FullDisplayReset();
  p_.host.FocusTextBox();
}

}  // namespace orvo::braille
