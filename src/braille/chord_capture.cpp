#include "braille/chord_capture.h"

#include <array>

#include "braille/braille_texts.h"
#include "braille/cell_conversion.h"
#include "braille/ime_control.h"
#include "braille/input_modes.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

// The dot keys: F D S for dots 1 2 3, J K L for dots 4 5 6. Each adds its
// weight inside its own column.
struct DotKey {
  int key;
  int weight;
};
constexpr std::array<DotKey, 6> kDotKeys = {{
    {'F', 1},
    {'D', 2},
    {'S', 4},  // dots 1 2 3
    {'J', 1},
    {'K', 2},
    {'L', 4},  // dots 4 5 6
}};

int DotIndex(int key) {
  for (std::size_t i = 0; i < kDotKeys.size(); ++i) {
    if (kDotKeys[i].key == key) return static_cast<int>(i);
  }
  return -1;
}

bool IsMenuLetter(int key) { return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'); }

bool IsArrow(int key) {
  return key == vk::kLeft || key == vk::kUp || key == vk::kRight || key == vk::kDown;
}

constexpr int kVkProcessKey = 229;
constexpr int kFirstImeKey = 193;  // key codes from here up belong to the IME

}  // namespace

bool ChordCapture::Pending() const { return !p_.mirrors.MirrorText(MirrorBox::kReading).empty(); }

void ChordCapture::DisplayReset() {
  s_.ConvStage = ConvStage::kNothing;
  ClearCells();
  m_.conversion.Reset();
}

void ChordCapture::FullDisplayReset() {
  DisplayReset();
  s_.ShiftSelect = false;
  s_.AltPass = false;
  s_.CtrlPass = false;
}

void ChordCapture::DropHalfChord() {
  if (s_.DotKeyCount != 0) {
    s_.DotKeyCount = 0;
    s_.DotKeysDown = 0;
    s_.DotValue.fill(0);
    s_.CellCode = 0;
  }
}

void ChordCapture::RESET_TEN_KEYS() {
  DropHalfChord();
  if (s_.BrailleMode && !s_.LatchHeld) {
    keys_.LATCH_ON();
    p_.host.DoEvents();
  }
}

void ChordCapture::CheckImeChanged() {
  if (m_.ime.OpenStatus() != s_.ImeOpen) m_.ime.CMD_IME(ImeSwitch::kToggle);
}

void ChordCapture::Send(int key) {
  keys_.SEND_EDIT_KEY(key);
  if (Converted(s_.ConvStage)) s_.ConvStage = Pending() ? ConvStage::kReading : ConvStage::kNothing;
}

void ChordCapture::RefuseModifier(const ustring& which) {
  p_.host.MsgBox(text::kRefuseHead + u"\r\n\r\n" + which, message::kWarning);
  m_.conversion.RestoreComposition(Restore::kReading);
}

void ChordCapture::FormKeyRepeat(int& key) {
  if (s_.BrailleMode && !s_.SynthBusy && DotIndex(key) >= 0) key = 0;
}

void ChordCapture::FormKeyDown(int& key, int shift) {
  if (s_.SynthBusy) return;
  if (s_.AltPass || s_.CtrlPass) {
    // The real Alt let through reaches the menus: its letter goes on to the
    // window's menu keys, as Alt with a letter does out of braille mode.
    if (!(s_.AltPass && !s_.CtrlPass && IsMenuLetter(key))) key = 0;
    return;
  }
  bool shift_arrow = false;
  if (s_.ShiftSelect) {
    if (key == vk::kSpace) {
      keys_.SEND_SHIFT_SPACE();
      s_.ShiftSelect = false;
      return;
    }
    if (key == vk::kF10) {
      if (s_.BrailleMode) keys_.SEND_CONTEXT_MENU();
      p_.host.DoEvents();
      p_.host.FocusTextBox();
      CheckImeChanged();
      key = 0;
      return;
    }
    if (!IsArrow(key)) {
      key = 0;
      return;
    }
    shift_arrow = true;
  }
  if (!shift_arrow) {
    const int dot = DotIndex(key);
    if (s_.BrailleMode && dot >= 0) {
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
      s_.DotValue[static_cast<std::size_t>(dot)] = kDotKeys[static_cast<std::size_t>(dot)].weight;
      key = 0;
      return;
    }
    if (s_.BrailleMode && s_.ConfirmBusy) {
      key = 0;
      return;
    }
  }
  // A mark waiting for a special sound goes in before the key acts; H and
  // Backspace cancel it instead.
  if (s_.BrailleMode && key != vk::kBack && key != 'H') m_.conversion.TypePendingSign();
  if (FunctionKeyDown(key, shift)) return;
  if (!s_.BrailleMode) return;
  BrailleKeyDown(key);
}

bool ChordCapture::FunctionKeyDown(int& key, int shift) {
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

void ChordCapture::BrailleKeyDown(int& key) {
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

void ChordCapture::Run(KeyCommand command, int& key, bool pending) {
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

void ChordCapture::Backspace(int& key, bool pending) {
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

void ChordCapture::Enter(int& key) {
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

void ChordCapture::Modifier(int& key, bool pending, KeyCommand command) {
  key = 0;
  if (pending) {
    RefuseModifier(command == KeyCommand::kShiftSelect ? text::kRefuseShift
                   : command == KeyCommand::kCtrlPass  ? text::kRefuseCtrl
                                                       : text::kRefuseAlt);
  } else if (command == KeyCommand::kShiftSelect) {
    s_.ShiftSelect = true;
  } else if (command == KeyCommand::kCtrlPass) {
    DropHalfChord();  // the keys passing through take the dot keys' releases too
    keys_.CTRL_PASS_ON();
  } else {
    DropHalfChord();
    keys_.ALT_PASS_ON();
  }
}

void ChordCapture::Space(int& key, bool pending) {
  if (s_.ConvStage == ConvStage::kConverting) {
    keys_.SEND_EDIT_KEY(vk::kSpace);
  } else {
    if (pending && s_.ConvStage == ConvStage::kReading) s_.ConvStage = ConvStage::kConverting;
    keys_.SEND_EDIT_KEY(vk::kSpace);
    ClearCells();
    m_.conversion.ClearResult();
  }
  key = 0;
}

// An arrow for the IME, unless Shift is selecting outside a composition: then
// the real Shift+arrow goes on to the text box.
void ChordCapture::Arrow(int& key, bool pending, int arrow) {
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

void ChordCapture::Up(int& key, bool pending) {
  if (!pending) return Arrow(key, pending, vk::kUp);
  if (Converted(s_.ConvStage)) {
    keys_.SEND_EDIT_KEY(vk::kUp);
  } else if (s_.ConvStage == ConvStage::kNothing) {
    s_.ConvStage = ConvStage::kCandidates;
    Send(vk::kUp);
  }
  key = 0;
}

void ChordCapture::Down(int& key, bool pending) {
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

void ChordCapture::LineEdge(int& key, bool pending) {
  if (!pending) {
    p_.text.CaretToLineEdge(key);
  } else if (!Converted(s_.ConvStage)) {
    keys_.Send_ARROW_Ctrl(key);
  } else {
    keys_.Send_ARROW_Shift(key);
  }
  key = 0;
}

void ChordCapture::TextEdge(int& key, bool pending) {
  if (Converted(s_.ConvStage)) {
    keys_.Send_ARROW_Ctrl(key);
  } else if (!pending) {
    p_.text.CaretToTextEdge(key == 'P');
  }
  key = 0;
}

void ChordCapture::RetypeResult() {
  if (!s_.ImeOpen) return;
  if (!p_.mirrors.MirrorText(MirrorBox::kResultReading).empty()) {
    m_.conversion.RestoreComposition(Restore::kResult);
  } else {
    p_.host.MsgBox(text::kNoResult, message::kInformation);
    m_.conversion.RestoreComposition(Restore::kReading);
  }
}

void ChordCapture::RetypeReading(bool pending) {
  if (!s_.ImeOpen) return;
  if (pending) {
    p_.host.FocusTextBox();
    m_.conversion.RestoreComposition(Restore::kReading);
  } else {
    p_.host.MsgBox(text::kNoPending, message::kInformation);
    p_.host.FocusTextBox();
  }
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
  if (keys_.LatchAgain(key)) {
    key = 0;
    return;
  }
  if (s_.ShiftSelect) {
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
    return;
  }
  if (s_.BrailleMode && DotIndex(key) >= 0 && s_.LatchHeld) {
    const auto bit = static_cast<std::uint8_t>(1U << DotIndex(key));
    if ((s_.DotKeysDown & bit) == 0 || s_.DotKeyCount <= 0) {
      // A release whose press the chord never counted (held before braille
      // mode began, or across a reset): it neither closes nor shortens it.
      key = 0;
      return;
    }
    s_.DotKeysDown &= static_cast<std::uint8_t>(~bit);
    const int before = s_.DotKeyCount;
    s_.DotKeyCount = before - 1;
    if (before == 1) {
      CloseChord(key);
    } else {
      key = 0;
    }
    return;
  }
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
    return;
  }
  if (key == vk::kKanji) {
    p_.host.FocusTextBox();
    key = 0;
    CheckImeChanged();
    return;
  }
  if (s_.BrailleMode && key == 'R') {
    p_.host.MsgBox(text::kReset, message::kWarning);
    keys_.CAPS_SAVE_OFF();
    m_.conversion.SetCapitalCount(0);
    s_.InputMode = input_mode::kKana;
    ClearCells();
    p_.window.TypingBox().SetImeMode(ime_mode::kHiragana);
    m_.modes.SET_IME_MODE();
    RESET_TEN_KEYS();
    FullDisplayReset();
    p_.host.FocusTextBox();
    key = 0;
    return;
  }
  if (s_.BrailleMode) key = 0;
}

void ChordCapture::CloseChord(int& key) {
  s_.CellCode = GET_TEN_CODE(s_.DotValue);
  if (s_.CellCode == 0) {
    p_.host.MsgBox(text::kNoCell, message::kWarning);
    ClearCells();
    m_.conversion.Reset();
    m_.conversion.RestoreComposition(Restore::kReading);
    p_.host.FocusTextBox();
  } else {
    if (!(s_.CellCode == '#' && s_.InputMode == input_mode::kDigits)) {
      if (Converted(s_.ConvStage)) FullDisplayReset();
      const char16_t cell = s_.CellCode;
      m_.conversion.Convert();
      if (s_.JoinDisplay) {
        p_.display.ShowCells(p_.display.Cells() + cell);
        s_.JoinDisplay = false;
      } else {
        p_.display.ShowCells(ustring(1, cell));
      }
      p_.host.DoEvents();
    }
  }
  s_.DotValue.fill(0);
  s_.CellCode = 0;
  p_.host.FocusTextBox();
  key = 0;
}

void ChordCapture::TextKeyDown(int& key, int) {
  // The remapped key itself must still reach the box; only real keys stop here.
  if (s_.RepeatGuard && !s_.SynthBusy) key = 0;
}

void ChordCapture::TextKeyUp(int& key, int) {
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

void ChordCapture::TextMouseUp(int button) {
  if (button == 1) {
    p_.text.UpdateStatus();
  } else if (button == 2) {
    p_.host.DoEvents();
    p_.host.FocusTextBox();
    CheckImeChanged();
  }
}

void ChordCapture::Timer1Tick() {
  p_.timer.SetWarningTimer(false);
  switch (s_.PendingWarning) {
    case pending_warning::kLeftBraille:
      p_.host.MsgBox(text::kWarning, message::kWarning);
      break;
    case pending_warning::kEscape:
      keys_.SendKeysEnter();
      p_.host.DoEvents();
      p_.host.MsgBox(text::kWarning, message::kWarning);
      break;
    case pending_warning::kOutOfMemory:
      p_.host.MsgBox(text::kOutOfMemory, message::kWarning);
      break;
    case pending_warning::kLimit:
      p_.host.MsgBox(text::kLimit, message::kWarning);
      break;
    default:
      return;
  }
  p_.host.DoEvents();
  s_.PendingWarning = pending_warning::kNone;
  if (p_.window.WindowEnabled()) p_.host.FocusTextBox();
}

}  // namespace orvo::braille
