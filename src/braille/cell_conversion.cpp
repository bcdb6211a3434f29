#include "braille/cell_conversion.h"

#include <string>

#include "braille/braille_texts.h"
#include "braille/ime_control.h"
#include "braille/input_modes.h"
#include "braille/tables/cell_tables.h"
#include "braille/tables/prefix_check.h"
#include "braille/tables/prefix_tables.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

std::size_t BracketIndex(Bracket b) {
  switch (b) {
    case Bracket::kCorner:
      return 0;
    case Bracket::kParen:
      return 1;
    default:
      return 2;
  }
}

ustring Number(int n) {
  const std::string digits = std::to_string(n);
  return ustring(digits.begin(), digits.end());
}

}  // namespace

void CellConversion::Reset() {
  result_.clear();
  pending_.clear();
  prefix_pending_ = false;
  sign_waits_ = false;
  no_output_ = false;
}

bool CellConversion::TypePendingSign() {
  if (!SignPending()) return false;
  const ustring sign = LookupSingleCell(pending_[0]);
  // Reset first: the keys typed below let events run, and the sign must not be typed twice.
  Reset();
  TypeResult(sign);
  return true;
}

void CellConversion::Convert() {
  const char16_t cell = s_.CellCode;
  if (!prefix_pending_) {
    pending_ = ustring(1, cell);
    result_.clear();
    const PrefixResult result = CheckPrefix(cell);
    switch (result) {
      case PrefixResult::kWait:
      case PrefixResult::kSignWaits:
        prefix_pending_ = true;
        sign_waits_ = result == PrefixResult::kSignWaits;
        no_output_ = true;
        return;
      case PrefixResult::kSwitched:
        m_.modes.SET_IME_MODE();
        Reset();
        no_output_ = true;
        return;
      case PrefixResult::kLookUp:
        break;
    }
    result_ = LookupSingleCell(cell);
  } else {
    pending_ += cell;
    result_ = ustring(LookupPair(s_.InputMode, pending_[0], cell));
    if (!result_.empty()) {
      s_.JoinDisplay = true;
    } else if (sign_waits_) {
      // No special sound: the mark is typed, and this cell starts afresh.
      TypePendingSign();
      if (s_.CellCode == 0) return;  // the mark could not be typed; that failure is told
      Convert();
      return;
    }
  }
  if (!result_.empty()) {
    TypeResult(result_);
    if (s_.InputMode == input_mode::kOneCapital) {
      s_.InputMode = input_mode::kLower;
      p_.display.ShowMode(ustring(text::kModeLower));
    }
    Reset();
  } else {
    p_.host.MsgBox(text::kNoEntry, message::kWarning);
    s_.JoinDisplay = false;
    Fail();
    Reset();
    RestoreComposition(Restore::kReading);
  }
}

void CellConversion::Fail() {
  p_.display.ShowCells(u"");
  s_.CellCode = 0;
}

CellConversion::PrefixResult CellConversion::CheckPrefix(char16_t cell) {
  if (s_.InputMode < input_mode::kKana) {
    p_.host.MsgBox(text::kBadPrefixMode + Number(s_.InputMode), message::kPlain);
    return PrefixResult::kLookUp;
  }
  switch (braille::CheckPrefix(s_.InputMode, cell)) {
    case PrefixAction::kNone:
      return PrefixResult::kLookUp;
    case PrefixAction::kWait:
      return PrefixResult::kWait;
    case PrefixAction::kSignOrPrefix:
      return PrefixResult::kSignWaits;
    case PrefixAction::kToDigits:
      if (s_.InputMode == input_mode::kKana) {
        s_.InputMode = input_mode::kDigits;
        return PrefixResult::kSwitched;
      }
      s_.InputMode = input_mode::kDigits;
      keys_.CAPS_RESTORE();
      return PrefixResult::kSwitched;
    case PrefixAction::kToLetters:
      s_.InputMode = input_mode::kLower;
      keys_.CAPS_SAVE_OFF();
      return PrefixResult::kSwitched;
    case PrefixAction::kToKana:
      s_.InputMode = input_mode::kKana;
      keys_.CAPS_RESTORE();
      return PrefixResult::kSwitched;
    case PrefixAction::kCapitalSign: {
      const int before = capital_count_;
      if (before == 0) {
        s_.InputMode = input_mode::kOneCapital;
      } else if (before == 1) {
        s_.InputMode = input_mode::kCapitals;
        s_.JoinDisplay = true;
        keys_.CAPS_ON();
      } else {
        s_.InputMode = input_mode::kOneCapital;
        keys_.CAPS_OFF();
      }
      capital_count_ = before + 1 > 2 ? 1 : before + 1;
      return PrefixResult::kSwitched;
    }
    case PrefixAction::kLeaveCapitals:
      s_.InputMode = input_mode::kLower;
      capital_count_ = 0;
      p_.display.ShowMode(ustring(text::kModeLower));
      keys_.CAPS_OFF();
      return PrefixResult::kSwitched;
    case PrefixAction::kNotPrefix:
      if (s_.InputMode == input_mode::kOneCapital) {
        capital_count_ = 0;
        s_.JoinDisplay = false;
      }
      return PrefixResult::kLookUp;
  }
  return PrefixResult::kLookUp;
}

ustring CellConversion::LookupSingleCell(char16_t cell) {
  const std::optional<SingleCell> found = LookupSingle(s_.InputMode, cell);
  if (!found) return {};
  if (found->bracket == Bracket::kNone) return ustring(found->text);
  bool& closes = bracket_closes_next_[BracketIndex(found->bracket)];
  const ustring mark(closes ? found->close : found->text);
  closes = !closes;
  return mark;
}

void CellConversion::TypeResult(const ustring& result) {
  for (char16_t c : result) {
    const int kind = keys_.GET_KEY_CODE(ustring(1, c));
    if (kind == 0) {
      p_.host.MsgBox(text::kNoEntry, message::kWarning);
      Fail();
      RestoreComposition(Restore::kReading);
      return;
    }
    if (c >= u'A' && c <= u'Z' && capital_count_ == 1) {
      keys_.CAPS_OFF();
      keys_.SEND_SHIFT_VK(s_.KeyVK, s_.KeyScan);
      capital_count_ = 0;
    } else if (kind == 2) {
      keys_.SEND_SHIFT_VK(s_.KeyVK, s_.KeyScan);
    } else if (capital_count_ == 2) {
      keys_.CAPS_ON();
      keys_.SEND_VK(s_.KeyVK, s_.KeyScan);
    } else {
      keys_.SEND_VK(s_.KeyVK, s_.KeyScan);
    }
  }
}

void CellConversion::RestoreComposition(Restore which) {
  const ImeMirrors& mirrors = p_.mirrors;
  ustring retyped;
  auto remove_before_caret = [&](int count) {
    EditControl& box = p_.window.TypingBox();
    const int caret = box.SelStart();
    const int start = caret - count < 0 ? 0 : caret - count;
    box.SetSel(start, caret - start);
    box.ReplaceSel(u"");
  };
  auto result_length = [&] {
    return static_cast<int>(mirrors.MirrorText(MirrorBox::kResult).size());
  };
  if (which == Restore::kReading) {
    retyped = mirrors.MirrorText(MirrorBox::kReading);
    if (retyped.empty()) return;
  } else {
    if (mirrors.MirrorText(MirrorBox::kResultReading).empty()) {
      p_.host.MsgBox(text::kNothingConfirmed, message::kPlain);
      return;
    }
    if (mirrors.MirrorText(MirrorBox::kReading).empty()) {
      remove_before_caret(result_length());
      retyped = mirrors.MirrorText(MirrorBox::kResultReading);
    } else {
      // The composition is confirmed first, so both texts come out and go back as one reading.
      const ustring first_reading = mirrors.MirrorText(MirrorBox::kResultReading);
      const int first_length = result_length();
      keys_.SEND_EDIT_KEY(vk::kReturn);
      p_.host.DoEvents();
      const ustring second_reading = mirrors.MirrorText(MirrorBox::kResultReading);
      const int second_length = result_length();
      remove_before_caret(first_length + second_length);
      retyped = first_reading + second_reading;
    }
  }
  const int previous = s_.InputMode;
  if (s_.InputMode != input_mode::kKana) {
    s_.InputMode = input_mode::kKana;
    m_.modes.SET_IME_MODE();
  }
  keys_.CAPS_OFF();
  m_.ime.RETURN_IME_STR(retyped);
  if (capital_count_ >= 2) {
    keys_.CAPS_ON();
  } else {
    keys_.CAPS_OFF();
  }
  s_.InputMode = previous;
  m_.modes.SET_IME_MODE();
}

}  // namespace orvo::braille
