#include "braille/input_modes.h"

#include <array>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/edit_control.h"

namespace orvo::braille {
namespace {

struct ModeRow {
  const char16_t* caption;
  int ime_mode;
};

// By InputMode 1-5. The gaps in 英字　小 and 英字　大 are ideographic spaces.
constexpr std::array<ModeRow, 5> kModes = {{
    {u"ひらがな", ime_mode::kHiragana},
    {u"数字", ime_mode::kAlphaFull},
    {u"英字\u3000小", ime_mode::kAlphaFull},
    {u"英字\u3000大", ime_mode::kAlphaFull},
    {u"英字 大大", ime_mode::kAlphaFull},
}};

const ustring kKanaLocked = u"＜ 点字モード ＞では 【 かな 】 入力は できません！";
const ustring kBadMode = u"エラー！ SET_IME_MODE\u3000\u3000\u3000\u3000";

}  // namespace

void InputModes::CMD_TYPE(int n) {
  InputState& s = p_.state;
  if (!s.BrailleMode && p_.keys.KANA_LOCKED()) {
    p_.MsgBox(kKanaLocked, 48);
    return;
  }
  s.BrailleMode = !s.BrailleMode;
  s.CellCode = 0;
  p_.chords.RESET_TEN_KEYS();
  p_.chords.FullDisplayReset();
  if (s.BrailleMode) {
    Enter();
  } else {
    Leave(n);
  }
}

void InputModes::Enter() {
  InputState& s = p_.state;
  MainWindow& w = p_.Main();
  if (p_.flags.FindOpen) p_.windows->UnloadFind();
  p_.DoEvents();
  w.cmdTYPE.SetPicture(picture::kBrailleMethod);
  w.lblMODE.SetCaption(kModes[0].caption);
  w.lblMODE.SetToolTip(u"モード表示");
  w.lblTENJI.SetToolTip(u"点字表記");
  s.InputMode = input_mode::kKana;
  w.Menu("mnuHELP").SetVisible(false);
  w.Menu("mnuT_HELP_BMP").SetVisible(true);
  w.Menu("mnuT_HELPER").SetVisible(true);
  w.Menu("mnuEXIT").SetVisible(false);
  w.lblTENJI.SetCaption(u"");
  w.cmdCOVER.SetVisible(false);
  p_.ime.CMD_IME(1);
  w.cmdIME.SetPicture(picture::kImeBraille);
  if (!s.LatchHeld) {
    p_.keys.LATCH_ON();
    p_.DoEvents();
  }
  if (w.Enabled()) p_.FocusTextBox();
}

void InputModes::Leave(int n) {
  InputState& s = p_.state;
  MainWindow& w = p_.Main();
  if (p_.flags.HelperOpen) p_.windows->UnloadHelper();
  if (p_.flags.DiagramsOpen) p_.windows->UnloadDiagrams();
  p_.DoEvents();
  if (s.LatchHeld) {
    p_.keys.LATCH_OFF();
    p_.DoEvents();
  }
  w.cmdTYPE.SetPicture(picture::kRomajiMethod);
  w.lblMODE.SetToolTip(u"");
  w.lblTENJI.SetToolTip(u"");
  s.InputMode = input_mode::kOff;
  w.Menu("mnuHELP").SetVisible(true);
  w.Menu("mnuT_HELP_BMP").SetVisible(false);
  w.Menu("mnuT_HELPER").SetVisible(false);
  w.Menu("mnuEXIT").SetVisible(true);
  w.cmdCOVER.SetVisible(true);
  w.cmdTOOL.SetVisible(true);
  if (w.ActiveTextBox().ImeMode() != ime_mode::kOff) {
    w.ActiveTextBox().SetImeMode(ime_mode::kHiragana);
    w.cmdIME.SetPicture(picture::kImeOn);
  }
  if (n != 0 && w.Enabled()) p_.FocusTextBox();
}

void InputModes::SET_IME_MODE() {
  MainWindow& w = p_.Main();
  const int mode = p_.state.InputMode;
  if (mode == input_mode::kOff) return;
  if (mode < 0 || mode > 5) {
    p_.MsgBox(kBadMode, 48);
  } else {
    const ModeRow& row = kModes[static_cast<std::size_t>(mode - 1)];
    w.lblMODE.SetCaption(row.caption);
    w.ActiveTextBox().SetImeMode(row.ime_mode);
  }
}

void InputModes::ModeLabelClick() {
  InputState& s = p_.state;
  if (!s.BrailleMode) return;
  MainWindow& w = p_.Main();
  if (s.InputMode == input_mode::kLower) p_.keys.CAPS_RESTORE();
  p_.conversion.SetCapitalCount(0);
  s.InputMode = input_mode::kKana;
  w.ActiveTextBox().SetImeMode(ime_mode::kOff);
  SET_IME_MODE();
  p_.chords.RESET_TEN_KEYS();
  w.lblTENJI.SetCaption(u"");
  p_.FocusTextBox();
}

}  // namespace orvo::braille
