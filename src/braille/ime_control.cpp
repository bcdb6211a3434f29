// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/ime_control.h"

#include "braille/braille_texts.h"
#include "braille/cell_codes.h"
#include "braille/cell_conversion.h"
#include "braille/input_modes.h"
#include "braille/tables/retype_plan.h"

namespace orvo::braille {

ImeControl::ImeControl(InputState& state, KeySynth& keys, const Ports& ports,
                       const Modules& modules)
    : s_(state), keys_(keys), p_(ports), m_(modules) {}
ImeControl::~ImeControl() = default;

void ImeControl::Create() {
  if (Alive()) return;
  ime_ = std::make_unique<ImeWrapper>(p_.service);
  switch (ime_->SetIMETarget(p_.window.TypingBox().Handle())) {
    case ImeWrapper::Bind::kOk:
      break;
    case ImeWrapper::Bind::kInvalidWindow:
      p_.host.MsgBox(text::kInvalidHandle, message::kStop);
      break;
    case ImeWrapper::Bind::kNoIme:
      p_.host.MsgBox(text::kNoIme, message::kStop);
      break;
    case ImeWrapper::Bind::kNotRomaji:
      p_.host.MsgBox(text::kNeedRomaji, message::kWarning);
      p_.host.MsgBox(text::kQuitPlease, message::kStop);
      break;
  }
}

void ImeControl::Release() { ime_.reset(); }

void ImeControl::FollowTypingBox() {
  // Bound once to the document at load; the find dialog's boxes take braille
  // too, each with its own input context.
  const WindowHandle box = p_.window.TypingBox().Handle();
  if (!ime_ || ime_->Target() == box) return;
  auto next = std::make_unique<ImeWrapper>(p_.service);
  if (next->SetIMETarget(box) != ImeWrapper::Bind::kOk) return;
  ime_ = std::move(next);
  if (s_.BrailleMode) m_.modes.SET_IME_MODE();  // the new box composes as the mode says
}

bool ImeControl::OpenStatus() const { return ime_ && ime_->IME_OPEN(); }

ustring ImeControl::Composed() const { return ime_ ? ime_->CompositionWord() : ustring(); }

ustring ImeControl::Confirmed() const { return ime_ ? ime_->ResultWord() : ustring(); }

int ImeControl::CandidateNumber() const { return ime_ ? ime_->CandidateNumber() : 0; }

void ImeControl::Mirror() {
  FollowTypingBox();
  if (ime_) {
    p_.mirrors.SetMirrorText(MirrorBox::kReading, ime_->CompositionRead());
    p_.mirrors.SetMirrorText(MirrorBox::kComposed, ime_->CompositionWord());
    p_.mirrors.SetMirrorText(MirrorBox::kResultReading, ime_->ResultRead());
    p_.mirrors.SetMirrorText(MirrorBox::kResult, ime_->ResultWord());
  }
  if (p_.mirrors.MirrorText(MirrorBox::kReading).empty()) {
    s_.ConvStage = ConvStage::kNothing;
  } else if (s_.ConvStage == ConvStage::kNothing) {
    s_.ConvStage = ConvStage::kReading;
  }
}

void ImeControl::WantImeMode(int mode) {
  EditControl& box = p_.window.TypingBox();
  if (box.ImeMode() != mode) {
    box.SetImeMode(mode);
    p_.host.DoEvents();
  }
}

void ImeControl::TypeRomaji(const ustring& romaji, bool shift) {
  for (char16_t c : romaji) {
    const KeyCode key = GET_KEY_CODE(ustring(1, c));
    if (key.kind == 2 || (key.kind == 1 && shift)) {
      keys_.SEND_CHAR_SHIFT(key);
    } else if (key.kind == 1) {
      keys_.SEND_CHAR(key);
    } else {
      p_.host.MsgBox(text::kNoKey, message::kPlain);
    }
  }
}

void ImeControl::RETURN_IME_STR(const ustring& reading) {
  if (reading.empty()) {
    p_.host.MsgBox(text::kNoReading, message::kPlain);
    return;
  }
  // Only braille mode holds the latch; re-typing in romaji mode must not press it.
  const bool relatch = s_.BrailleMode;
  WantImeMode(ime_mode::kHiragana);
  keys_.LATCH_OFF();
  for (const RetypePiece& piece : PlanRetype(reading)) {
    if (piece.romaji.empty()) p_.host.MsgBox(text::kNoRetypeEntry, message::kWarning);
    if (piece.ime_mode != 0) WantImeMode(piece.ime_mode);
    TypeRomaji(piece.romaji, piece.shift);
  }
  if (relatch) keys_.LATCH_ON();
}

void ImeControl::CMD_IME(ImeSwitch how) {
  EditorWindow& w = p_.window;
  p_.host.FocusTextBox();
  FollowTypingBox();
  const bool open = OpenStatus();
  if (how == ImeSwitch::kOn || !s_.ImeOpen) {
    w.TypingBox().SetImeMode(ime_mode::kHiragana);
    p_.host.DoEvents();
    s_.ImeOpen = true;
    s_.InputMode = input_mode::kKana;
    p_.menus.SetImePicture(picture_id::kImeOn);
  } else if (!open || !s_.BrailleMode) {
    w.TypingBox().SetImeMode(ime_mode::kOff);
    p_.host.DoEvents();
    s_.ImeOpen = false;
    s_.InputMode = input_mode::kOff;
    p_.menus.SetImePicture(picture_id::kImeAtLoad);
    if (!open && s_.BrailleMode) m_.modes.CMD_TYPE(TypeSwitch::kImeOff);
  } else {
    p_.host.MsgBox(text::kImeMustBeOn, message::kWarning);
    if (w.WindowEnabled()) p_.host.FocusTextBox();
    m_.conversion.RestoreComposition(Restore::kReading);
    return;
  }
  if (how != ImeSwitch::kOn) {
    p_.host.DoEvents();
    if (w.WindowEnabled()) p_.host.FocusTextBox();
  }
}

}  // namespace orvo::braille
