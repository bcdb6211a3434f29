#include "braille/ime_control.h"

#include "app/main_window.h"
#include "app/program.h"
#include "braille/tables/retype_plan.h"

namespace orvo::braille {
namespace {

const ustring kInvalidHandle = u"指定されたハンドルは、無効です！";
const ustring kNoIme = u"ＩＭＥは、有効ではありません！";
const ustring kNeedRomaji =
    u"点字入力には「ローマ字入力モード」が必要です。\r\n"
    u"Windows NTでは、ソフトから設定できません！\r\n"
    u"ユーザーが設定して下さい。";
const ustring kQuitPlease = u"一旦、ソフトを終了して下さい！";
const ustring kNoReading = u"テスト＝RETURN_IME_STR\u3000入力カタカナ文字列がない！";
const ustring kNoEntry =
    u"＜\u3000エラー！\u3000＞\r\n"
    u"「ＭＳ－ＩＭＥ」以外をご使用の場合、\r\n"
    u"「数字、英字」は入力文字を復帰できない\r\n"
    u"場合があります。なるべく長文にならない\r\n"
    u"うちに「確定」してください。";
const ustring kNoKey = u"送信コードなし！";
const ustring kImeMustBeOn =
    u"****\u3000＜注意＞\u3000****\r\n\r\n"
    u"＜点字入力モード＞では 「ＩＭＥ」 が有効でないと\r\n\r\n"
    u"文字の点字入力ができません！";

}  // namespace

ImeControl::ImeControl(Program& program) : p_(program) {}
ImeControl::~ImeControl() = default;

void ImeControl::Create() {
  if (Alive()) return;
  ime_ = std::make_unique<ImeWrapper>(p_.platform.ime);
  switch (ime_->SetIMETarget(p_.Main().ActiveTextBox().Handle())) {
    case ImeWrapper::Bind::kOk:
      break;
    case ImeWrapper::Bind::kInvalidWindow:
      p_.MsgBox(kInvalidHandle, 16);
      break;
    case ImeWrapper::Bind::kNoIme:
      p_.MsgBox(kNoIme, 16);
      break;
    case ImeWrapper::Bind::kNotRomaji:
      p_.MsgBox(kNeedRomaji, 48);
      p_.MsgBox(kQuitPlease, 16);
      break;
  }
}

void ImeControl::Release() { ime_.reset(); }

bool ImeControl::OpenStatus() const { return ime_ && ime_->IME_OPEN(); }

void ImeControl::Mirror() {
  MainWindow& w = p_.Main();
  if (ime_) {
    w.txtIN.SetText(ime_->CompositionRead());
    w.txtHEN.SetText(ime_->CompositionWord());
    w.txtOUT.SetText(ime_->ResultRead());
    w.txtKAN.SetText(ime_->ResultWord());
  }
  if (w.txtIN.Text().empty()) {
    p_.state.ConvStage = 0;
  } else if (p_.state.ConvStage == 0) {
    p_.state.ConvStage = 1;
  }
}

void ImeControl::WantImeMode(int mode) {
  EditControl& box = p_.Main().ActiveTextBox();
  if (box.ImeMode() != mode) {
    box.SetImeMode(mode);
    p_.DoEvents();
  }
}

void ImeControl::TypeRomaji(const ustring& romaji, bool shift) {
  for (char16_t c : romaji) {
    const int kind = p_.keys.GET_KEY_CODE(ustring(1, c));
    if (kind == 2 || (kind == 1 && shift)) {
      p_.keys.SEND_CHAR_SHIFT();
    } else if (kind == 1) {
      p_.keys.SEND_CHAR();
    } else {
      p_.MsgBox(kNoKey, 0);
    }
  }
}

void ImeControl::RETURN_IME_STR(const ustring& reading) {
  if (reading.empty()) {
    p_.MsgBox(kNoReading, 0);
    return;
  }
  // Only braille mode holds the latch; re-typing in romaji mode must not press it.
  const bool relatch = p_.state.BrailleMode;
  WantImeMode(ime_mode::kHiragana);
  p_.keys.LATCH_OFF();
  for (const RetypePiece& piece : PlanRetype(reading)) {
    if (piece.romaji.empty()) p_.MsgBox(kNoEntry, 48);
    if (piece.ime_mode != 0) WantImeMode(piece.ime_mode);
    TypeRomaji(piece.romaji, piece.shift);
  }
  if (relatch) p_.keys.LATCH_ON();
}

void ImeControl::CMD_IME(int n) {
  InputState& s = p_.state;
  MainWindow& w = p_.Main();
  p_.FocusTextBox();
  const bool open = OpenStatus();
  if (n == 1 || !s.ImeOpen) {
    w.ActiveTextBox().SetImeMode(ime_mode::kHiragana);
    p_.DoEvents();
    s.ImeOpen = true;
    s.InputMode = input_mode::kKana;
    w.cmdIME.SetPicture(picture::kImeOn);
  } else if (!open || !s.BrailleMode) {
    w.ActiveTextBox().SetImeMode(ime_mode::kOff);
    p_.DoEvents();
    s.ImeOpen = false;
    s.InputMode = input_mode::kOff;
    w.cmdIME.SetPicture(picture::kImeAtLoad);
    if (!open && s.BrailleMode) p_.modes.CMD_TYPE(9);
  } else {
    p_.MsgBox(kImeMustBeOn, 48);
    if (w.Enabled()) p_.FocusTextBox();
    p_.conversion.RestoreComposition(0);
    return;
  }
  if (n != 1) {
    p_.DoEvents();
    if (w.Enabled()) p_.FocusTextBox();
  }
}

}  // namespace orvo::braille
