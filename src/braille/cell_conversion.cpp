// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/cell_conversion.h"

#include <string>
#include <utility>

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
  pending_.clear();
  prefix_pending_ = false;
  sign_waits_ = false;
  no_output_ = false;
}

bool CellConversion::TypePendingSign() {
  if (!SignPending()) return false;
  TypeSign();
  return true;
}

bool CellConversion::TypeSign() {
  const ustring sign = LookupSingleCell(pending_[0]);
  // Reset first: the keys typed below let events run, and the sign must not be typed twice.
  Reset();
  return TypeResult(sign);
}

CellResult CellConversion::Convert(CellCode cell) {
  if (!prefix_pending_) {
    pending_ = ustring(1, cell);
    const PrefixResult prefix = CheckPrefix(cell);
    switch (prefix) {
      case PrefixResult::kWait:
      case PrefixResult::kSignWaits:
        prefix_pending_ = true;
        sign_waits_ = prefix == PrefixResult::kSignWaits;
        no_output_ = true;
        return {};
      case PrefixResult::kSwitched:
        m_.modes.SET_IME_MODE();
        Reset();
        no_output_ = true;
        return {};
      case PrefixResult::kLookUp:
        break;
    }
    return Finish(LookupSingleCell(cell));
  }
  pending_ += cell;
  ustring result(LookupPair(s_.InputMode, pending_[0], cell));
  if (!result.empty()) {
    s_.JoinDisplay = true;
  } else if (sign_waits_) {
    // No special sound: the mark is typed, and this cell starts afresh.
    cell_dropped_ = false;
    // The mark could not be typed, or the cell was dropped meanwhile: that failure is told.
    if (!TypeSign() || cell_dropped_) return {{}, true};
    return Convert(cell);
  }
  return Finish(std::move(result));
}

// The cell's text typed, or its lack told.
CellResult CellConversion::Finish(ustring result) {
  if (result.empty()) {
    p_.host.MsgBox(text::kNoEntry, message::kWarning);
    s_.JoinDisplay = false;
    p_.display.ShowCells(u"");
    Reset();
    RestoreComposition(Restore::kReading);
    return {std::move(result), true};
  }
  const bool typed = TypeResult(result);
  if (s_.InputMode == input_mode::kOneCapital) {
    s_.InputMode = input_mode::kLower;
    p_.display.ShowMode(ustring(text::kModeLower));
  }
  Reset();
  return {std::move(result), !typed};
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

bool CellConversion::TypeResult(const ustring& result) {
  for (char16_t c : result) {
    const KeyCode key = GET_KEY_CODE(ustring(1, c));
    if (key.kind == 0) {
      p_.host.MsgBox(text::kNoEntry, message::kWarning);
      p_.display.ShowCells(u"");
      RestoreComposition(Restore::kReading);
      return false;
    }
    if (c >= u'A' && c <= u'Z' && capital_count_ == 1) {
      keys_.CAPS_OFF();
      keys_.SEND_SHIFT_VK(key.KeyVK, key.KeyScan);
      capital_count_ = 0;
    } else if (key.kind == 2) {
      keys_.SEND_SHIFT_VK(key.KeyVK, key.KeyScan);
    } else if (capital_count_ == 2) {
      keys_.CAPS_ON();
      keys_.SEND_VK(key.KeyVK, key.KeyScan);
    } else {
      keys_.SEND_VK(key.KeyVK, key.KeyScan);
    }
  }
  return true;
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
