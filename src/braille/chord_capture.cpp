#include "braille/chord_capture.h"

#include <array>

#include "app/main_window.h"
#include "app/program.h"
#include "braille/chord_messages.h"
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
    {'F', 1}, {'D', 2}, {'S', 4},  // dots 1 2 3
    {'J', 1}, {'K', 2}, {'L', 4},  // dots 4 5 6
}};

int DotIndex(int key) {
  for (std::size_t i = 0; i < kDotKeys.size(); ++i) {
    if (kDotKeys[i].key == key) return static_cast<int>(i);
  }
  return -1;
}

bool IsArrow(int key) {
  return key == vk::kLeft || key == vk::kUp || key == vk::kRight || key == vk::kDown;
}

constexpr int kVkProcessKey = 229;
constexpr int kFirstImeKey = 193;  // key codes from here up belong to the IME

}  // namespace

bool ChordCapture::Pending() const { return !p_.Main().txtIN.Text().empty(); }

void ChordCapture::DisplayReset() {
  p_.state.ConvStage = 0;
  p_.Main().lblTENJI.SetCaption(u"");
  p_.conversion.Reset();
}

void ChordCapture::FullDisplayReset() {
  DisplayReset();
  p_.state.ShiftSelect = false;
  p_.state.AltPass = false;
  p_.state.CtrlPass = false;
}

void ChordCapture::RESET_TEN_KEYS() {
  InputState& s = p_.state;
  if (s.DotKeyCount != 0) {
    s.DotKeyCount = 0;
    s.DotValue.fill(0);
    s.CellCode = 0;
  }
  if (s.BrailleMode && !s.LatchHeld) {
    p_.keys.LATCH_ON();
    p_.DoEvents();
  }
}

void ChordCapture::CheckImeChanged() {
  if (p_.ime.OpenStatus() != p_.state.ImeOpen) p_.ime.CMD_IME(0);
}

void ChordCapture::CloseMainWindow() { p_.Main().Close(); }

void ChordCapture::Send(int key) {
  p_.keys.SEND_EDIT_KEY(key);
  if (p_.state.ConvStage >= 2) p_.state.ConvStage = Pending() ? 1 : 0;
}

void ChordCapture::RefuseModifier(const char16_t* which) {
  p_.MsgBox(chord_text::kRefuseHead + u"\r\n\r\n" + which, 48);
  p_.conversion.RestoreComposition(0);
}

void ChordCapture::FormKeyDown(int& key, int shift) {
  InputState& s = p_.state;
  if (s.SynthBusy) return;
  if (s.AltPass || s.CtrlPass) {
    key = 0;
    return;
  }
  bool shift_arrow = false;
  if (s.ShiftSelect) {
    if (key == vk::kSpace) {
      p_.keys.SEND_SHIFT_SPACE();
      s.ShiftSelect = false;
      return;
    }
    if (key == vk::kF10) {
      if (s.BrailleMode) p_.keys.SEND_CONTEXT_MENU();
      p_.DoEvents();
      p_.FocusTextBox();
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
    if (s.BrailleMode && dot >= 0) {
      if (s.ConvStage >= 2) {
        s.ConfirmBusy = true;
        s.ConvStage = 0;
        p_.keys.SEND_LATCH_ENTER();
        p_.DoEvents();
        s.ConfirmBusy = false;
        p_.Main().lblTENJI.SetCaption(u"");
        p_.conversion.Reset();
        if (s.InputMode == input_mode::kDigits) {
          s.InputMode = input_mode::kKana;
          p_.modes.SET_IME_MODE();
        }
      }
      auto& weight = s.DotValue[static_cast<std::size_t>(dot)];
      if (weight == 0) {
        weight = kDotKeys[static_cast<std::size_t>(dot)].weight;
        ++s.DotKeyCount;
      }
      key = 0;
      return;
    }
    if (s.BrailleMode && s.ConfirmBusy) {
      key = 0;
      return;
    }
  }
  if (FunctionKeyDown(key, shift)) return;
  if (!s.BrailleMode) return;
  BrailleKeyDown(key);
}

bool ChordCapture::FunctionKeyDown(int& key, int shift) {
  InputState& s = p_.state;
  const bool find_open = p_.flags.FindOpen;
  switch (key) {
    case vk::kEscape:
      key = 0;
      if (!s.BrailleMode) CloseMainWindow();
      return true;
    case vk::kF1:
      key = 0;
      if (!find_open) {
        p_.modes.CMD_TYPE(2);
        p_.DoEvents();
      }
      return true;
    case vk::kF2:
      key = 0;
      if (find_open) p_.windows->ActivateFind();
      return true;
    case vk::kF3:
      return true;
    case vk::kF4:
      key = 0;
      if (!find_open) {
        if (s.BrailleMode) {
          p_.windows->ShowHelper();
        } else if (shift & shift_mask::kAlt) {
          CloseMainWindow();
        }
      }
      return true;
    case vk::kF5:
      key = 0;
      if (s.BrailleMode) p_.windows->ShowDiagrams();
      return true;
    case vk::kF6:
      key = 0;
      if (!s.BrailleMode) p_.ime.CMD_IME(0);
      return true;
    case vk::kF7:
    case vk::kF8:
    case vk::kF9:
      if (s.BrailleMode && Pending()) {
        const int which = key;
        key = 0;
        p_.keys.SEND_EDIT_KEY(which);
        p_.DoEvents();
      }
      return true;
    case vk::kF10:
      if (shift & shift_mask::kShift) {
        p_.keys.SEND_CONTEXT_MENU();
        p_.DoEvents();
        p_.FocusTextBox();
        CheckImeChanged();
        key = 0;
        return true;
      }
      return false;
    default:
      return false;
  }
}

void ChordCapture::BrailleKeyDown(int& key) {
  InputState& s = p_.state;
  MainWindow& w = p_.Main();
  // H, N and G stand for Backspace, Enter and Delete; a held one repeats nothing.
  if (key == 'H' || key == 'N' || key == 'G') {
    if (s.RepeatGuard) {
      key = 0;
      return;
    }
    s.RepeatGuard = true;
    key = key == 'H' ? vk::kBack : key == 'N' ? vk::kReturn : vk::kDelete;
  }
  const bool pending = Pending();
  auto as_left = [&](int arrow) {
    if (pending || !s.ShiftSelect) {
      Send(arrow);
      key = 0;
    } else {
      if (s.LatchHeld) {
        p_.keys.LATCH_OFF();
        p_.DoEvents();
      }
      key = arrow;  // the real Shift+arrow goes on to the text box
    }
  };
  switch (key) {
    case vk::kBack:
      if (p_.conversion.NoOutput()) {
        w.lblTENJI.SetCaption(u"");
        if (s.InputMode < input_mode::kOneCapital) {
          s.InputMode = input_mode::kKana;
        } else {
          s.InputMode = input_mode::kLower;
          p_.conversion.SetCapitalCount(0);
          p_.keys.CAPS_OFF();
        }
        p_.modes.SET_IME_MODE();
        p_.conversion.Reset();
        key = 0;
      } else {
        if (pending) w.lblTENJI.SetCaption(u"");
        Send(vk::kBack);
        key = 0;
      }
      return;
    case vk::kTab:
      if (pending) Send(vk::kTab);
      key = 0;
      return;
    case vk::kReturn:
      w.lblTENJI.SetCaption(u"");
      p_.conversion.Reset();
      if (s.InputMode == input_mode::kDigits) {
        s.InputMode = input_mode::kKana;
        p_.modes.SET_IME_MODE();
      }
      p_.keys.SEND_EDIT_KEY(vk::kReturn);
      s.ConvStage = 0;
      key = 0;
      p_.text.UpdateStatus();
      return;
    case vk::kShift:
      if (pending) {
        RefuseModifier(chord_text::kRefuseShift.c_str());
      } else {
        s.ShiftSelect = true;
      }
      key = 0;
      return;
    case vk::kControl:
      key = 0;
      if (pending) {
        RefuseModifier(chord_text::kRefuseCtrl.c_str());
      } else {
        p_.keys.CTRL_PASS_ON();
      }
      return;
    case vk::kMenu:
      key = 0;
      if (pending) {
        RefuseModifier(chord_text::kRefuseAlt.c_str());
      } else {
        p_.keys.ALT_PASS_ON();
      }
      return;
    case vk::kSpace:
      if (s.ConvStage == 2) {
        p_.keys.SEND_EDIT_KEY(vk::kSpace);
      } else {
        if (pending && s.ConvStage == 1) s.ConvStage = 2;
        p_.keys.SEND_EDIT_KEY(vk::kSpace);
        w.lblTENJI.SetCaption(u"");
        p_.conversion.ClearResult();
      }
      key = 0;
      return;
    case vk::kLeft:
    case 'U':
      as_left(vk::kLeft);
      return;
    case vk::kRight:
    case 'O':
      as_left(vk::kRight);
      return;
    case vk::kUp:
    case 'I':
      if (!pending) {
        as_left(vk::kUp);
      } else if (s.ConvStage >= 2) {
        p_.keys.SEND_EDIT_KEY(vk::kUp);
        key = 0;
      } else if (s.ConvStage == 1) {
        key = 0;
      } else {
        s.ConvStage = 3;
        Send(vk::kUp);
        key = 0;
      }
      return;
    case vk::kDown:
    case 'M':
      if (!pending) {
        as_left(vk::kDown);
        return;
      }
      if (s.ConvStage < 2) {
        DisplayReset();
        p_.keys.SEND_EDIT_KEY(vk::kReturn);
      } else {
        const ustring before = w.txtKAN.Text();
        p_.keys.Send_ARROW_Ctrl(vk::kDown);
        if (w.txtKAN.Text() == before) p_.keys.SEND_EDIT_KEY(vk::kDown);
      }
      if (!Pending()) s.ConvStage = 0;
      key = 0;
      p_.text.UpdateStatus();
      return;
    case vk::kDelete:
      if (p_.conversion.NoOutput()) {
        Send(vk::kDelete);
      } else if (!(pending && s.ConvStage >= 2)) {
        Send(vk::kDelete);
      }
      key = 0;
      return;
    case 'A':
    case vk::kOemPlus:
      if (!pending) {
        p_.text.CaretToLineEdge(key);
      } else if (s.ConvStage < 2) {
        p_.keys.Send_ARROW_Ctrl(key);
      } else {
        p_.keys.Send_ARROW_Shift(key);
      }
      key = 0;
      return;
    case 'C':
    case 'V':
      p_.text.ScrollLine(key);
      key = 0;
      return;
    case vk::kOemComma:
    case vk::kOemPeriod:
      p_.text.ScrollSideways(key);
      key = 0;
      return;
    case 'P':
    case 'Q':
      if (s.ConvStage >= 2) {
        p_.keys.Send_ARROW_Ctrl(key);
      } else if (!pending) {
        p_.text.CaretToTextEdge(key == 'P');
      }
      key = 0;
      return;
    case 'T':
      if (s.ImeOpen) {
        if (!w.txtOUT.Text().empty()) {
          p_.conversion.RestoreComposition(1);
        } else {
          p_.MsgBox(chord_text::kNoResult, 64);
          p_.conversion.RestoreComposition(0);
        }
      }
      key = 0;
      return;
    case 'W':
      if (s.ImeOpen) {
        if (pending) {
          p_.FocusTextBox();
          p_.conversion.RestoreComposition(0);
        } else {
          p_.MsgBox(chord_text::kNoPending, 64);
          p_.FocusTextBox();
        }
      }
      key = 0;
      return;
    case 'Z':
      if (!pending) {
        p_.keys.SEND_CONTEXT_MENU();
        p_.DoEvents();
        CheckImeChanged();
      }
      key = 0;
      return;
    default:
      key = 0;
      return;
  }
}

void ChordCapture::FormKeyUp(int& key, int) {
  InputState& s = p_.state;
  MainWindow& w = p_.Main();
  if (s.SynthBusy) return;
  if (s.AltPass || s.CtrlPass) {
    if (key == vk::kControl || key == vk::kMenu) p_.keys.PASS_END();
    key = 0;
    return;
  }
  if (s.ShiftSelect) {
    if (key == vk::kShift) {
      key = 0;
      s.ShiftSelect = false;
      p_.FocusTextBox();
      return;
    }
    if (IsArrow(key) && !s.LatchHeld) {
      p_.keys.LATCH_ON();
      p_.DoEvents();
    }
    key = 0;
    return;
  }
  if (s.BrailleMode && DotIndex(key) >= 0 && s.LatchHeld) {
    const int before = s.DotKeyCount;
    if (before <= 0) {
      // A release whose press was never counted (held before braille mode
      // began): counting it would leave every later chord unclosable.
      s.DotKeyCount = 0;
      key = 0;
      return;
    }
    s.DotKeyCount = before - 1;
    if (before == 1) {
      CloseChord(key);
    } else {
      key = 0;
    }
    return;
  }
  if (key == vk::kKana) {
    if (p_.keys.KANA_LOCKED()) {
      if (s.BrailleMode) {
        p_.MsgBox(chord_text::kKanaPressedBraille, 48);
        p_.modes.CMD_TYPE(6);
      } else {
        p_.MsgBox(chord_text::kKanaPressed, 48);
      }
    }
    key = 0;
    p_.FocusTextBox();
    return;
  }
  if (key == vk::kKanji) {
    p_.FocusTextBox();
    key = 0;
    CheckImeChanged();
    return;
  }
  if (s.BrailleMode && key == 'R') {
    p_.MsgBox(chord_text::kReset, 48);
    p_.keys.CAPS_SAVE_OFF();
    p_.conversion.SetCapitalCount(0);
    s.InputMode = input_mode::kKana;
    w.lblTENJI.SetCaption(u"");
    w.ActiveTextBox().SetImeMode(ime_mode::kHiragana);
    p_.modes.SET_IME_MODE();
    RESET_TEN_KEYS();
    FullDisplayReset();
    p_.FocusTextBox();
    key = 0;
    return;
  }
  if (s.BrailleMode) key = 0;
}

void ChordCapture::CloseChord(int& key) {
  InputState& s = p_.state;
  MainWindow& w = p_.Main();
  s.CellCode = GET_TEN_CODE(s.DotValue);
  if (s.CellCode == 0) {
    p_.MsgBox(chord_text::kNoCell, 48);
    w.lblTENJI.SetCaption(u"");
    p_.conversion.Reset();
    p_.conversion.RestoreComposition(0);
    p_.FocusTextBox();
  } else {
    if (!(s.CellCode == '#' && s.InputMode == input_mode::kDigits)) {
      if (s.ConvStage > 1) FullDisplayReset();
      const char16_t cell = s.CellCode;
      p_.conversion.Convert();
      if (s.JoinDisplay) {
        w.lblTENJI.SetCaption(w.lblTENJI.Caption() + cell);
        s.JoinDisplay = false;
      } else {
        w.lblTENJI.SetCaption(ustring(1, cell));
      }
      p_.DoEvents();
    }
  }
  s.DotValue.fill(0);
  s.CellCode = 0;
  p_.FocusTextBox();
  key = 0;
}

void ChordCapture::TextKeyDown(int& key, int) {
  // The remapped key itself must still reach the box; only real keys stop here.
  if (p_.state.RepeatGuard && !p_.state.SynthBusy) key = 0;
}

void ChordCapture::TextKeyUp(int& key, int) {
  InputState& s = p_.state;
  if (s.ShiftSelect) return;
  if (s.RepeatGuard) {
    s.RepeatGuard = false;
    key = 0;
    return;
  }
  if (s.SynthBusy) s.SynthBusy = false;
  if (s.BrailleMode) p_.ime.Mirror();
  p_.text.UpdateStatus();
  if (key >= kFirstImeKey && key != kVkProcessKey) {
    p_.FocusTextBox();
    key = 0;
    p_.DoEvents();
    CheckImeChanged();
  }
}

void ChordCapture::TextMouseUp(int button) {
  if (button == 1) {
    p_.text.UpdateStatus();
  } else if (button == 2) {
    p_.DoEvents();
    p_.FocusTextBox();
    CheckImeChanged();
  }
}

void ChordCapture::Timer1Tick() {
  MainWindow& w = p_.Main();
  w.Timer1.SetEnabled(false);
  switch (p_.state.PendingWarning) {
    case 1:
      p_.MsgBox(chord_text::kWarning, 48);
      break;
    case 2:
      p_.keys.SendKeysEnter();
      p_.DoEvents();
      p_.MsgBox(chord_text::kWarning, 48);
      break;
    case 3:
      p_.MsgBox(chord_text::kOutOfMemory, 48);
      break;
    case 4:
      p_.MsgBox(chord_text::kLimit, 48);
      break;
    default:
      return;
  }
  p_.DoEvents();
  p_.state.PendingWarning = 0;
  if (w.Enabled()) p_.FocusTextBox();
}

}  // namespace orvo::braille
