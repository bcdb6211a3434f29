#include "braille/cell_conversion.h"

#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "braille/tables/cell_tables.h"
#include "braille/tables/prefix_check.h"
#include "braille/tables/prefix_tables.h"
#include "platform/keys.h"

namespace orvo::braille {
namespace {

const ustring kNoEntry = u"該当する文字がありません！\u3000\u3000\u3000\u3000";
const ustring kBadMode = u"iMODE がおかしい？-";
const ustring kNothingConfirmed = u"\u3000\u3000確定文字はありません！\u3000\u3000\u3000\u3000";
const ustring kLowerCaption = u"英字\u3000小";

constexpr ustring_view kWait = u"@";
constexpr ustring_view kSwitchedQuiet = u"\\";
constexpr ustring_view kSwitched = u"%";
constexpr ustring_view kNotPrefix = u"?";

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
  no_output_ = false;
}

void CellConversion::Convert() {
  InputState& s = p_.state;
  const char16_t cell = s.CellCode;
  if (!prefix_pending_) {
    pending_ = ustring(1, cell);
    result_ = CheckPrefix(cell);
    if (result_ == kWait) {
      prefix_pending_ = true;
      no_output_ = true;
      return;
    }
    if (result_ == kSwitchedQuiet || result_ == kSwitched) {
      p_.modes.SET_IME_MODE();
      Reset();
      no_output_ = true;
      return;
    }
    result_ = LookupSingleCell(cell);
  } else {
    pending_ += cell;
    result_ = ustring(LookupPair(s.InputMode, pending_[0], cell));
    if (!result_.empty()) s.JoinDisplay = true;
  }
  if (!result_.empty()) {
    TypeResult(result_);
    if (s.InputMode == input_mode::kOneCapital) {
      s.InputMode = input_mode::kLower;
      p_.Main().lblMODE.SetCaption(kLowerCaption);
    }
    Reset();
  } else {
    p_.MsgBox(kNoEntry, 48);
    s.JoinDisplay = false;
    Fail();
    Reset();
    RestoreComposition(0);
  }
}

void CellConversion::Fail() {
  p_.Main().lblTENJI.SetCaption(u"");
  p_.state.CellCode = 0;
}

ustring CellConversion::CheckPrefix(char16_t cell) {
  InputState& s = p_.state;
  if (s.InputMode < 1) {
    p_.MsgBox(kBadMode + Number(s.InputMode), 0);
    return {};
  }
  switch (braille::CheckPrefix(s.InputMode, cell)) {
    case PrefixAction::kNone:
      return {};
    case PrefixAction::kWait:
      return ustring(kWait);
    case PrefixAction::kToDigits:
      if (s.InputMode == input_mode::kKana) {
        s.InputMode = input_mode::kDigits;
        return ustring(kSwitchedQuiet);
      }
      s.InputMode = input_mode::kDigits;
      p_.keys.CAPS_RESTORE();
      return ustring(kSwitchedQuiet);
    case PrefixAction::kToLetters:
      s.InputMode = input_mode::kLower;
      p_.keys.CAPS_SAVE_OFF();
      return ustring(kSwitched);
    case PrefixAction::kToKana: {
      const bool from_digits = s.InputMode == input_mode::kDigits;
      s.InputMode = input_mode::kKana;
      p_.keys.CAPS_RESTORE();
      return ustring(from_digits ? kSwitched : kSwitchedQuiet);
    }
    case PrefixAction::kCapitalSign: {
      const int before = capital_count_;
      if (before == 0) {
        s.InputMode = input_mode::kOneCapital;
      } else if (before == 1) {
        s.InputMode = input_mode::kCapitals;
        s.JoinDisplay = true;
        p_.keys.CAPS_ON();
      } else {
        s.InputMode = input_mode::kOneCapital;
        p_.keys.CAPS_OFF();
      }
      capital_count_ = before + 1 > 2 ? 1 : before + 1;
      return ustring(kSwitched);
    }
    case PrefixAction::kLeaveCapitals:
      s.InputMode = input_mode::kLower;
      capital_count_ = 0;
      p_.Main().lblMODE.SetCaption(kLowerCaption);
      p_.keys.CAPS_OFF();
      return ustring(kSwitched);
    case PrefixAction::kNotPrefix:
      if (s.InputMode == input_mode::kOneCapital) {
        capital_count_ = 0;
        s.JoinDisplay = false;
      }
      return ustring(kNotPrefix);
  }
  return {};
}

ustring CellConversion::LookupSingleCell(char16_t cell) {
  const std::optional<SingleCell> found = LookupSingle(p_.state.InputMode, cell);
  if (!found) return {};
  if (found->bracket == Bracket::kNone) return ustring(found->text);
  bool& closes = bracket_closes_next_[BracketIndex(found->bracket)];
  const ustring mark(closes ? found->close : found->text);
  closes = !closes;
  return mark;
}

void CellConversion::TypeResult(const ustring& result) {
  KeySynth& keys = p_.keys;
  const InputState& s = p_.state;
  for (char16_t c : result) {
    const int kind = keys.GET_KEY_CODE(ustring(1, c));
    if (kind == 0) {
      p_.MsgBox(kNoEntry, 48);
      Fail();
      RestoreComposition(0);
      return;
    }
    if (c >= u'A' && c <= u'Z' && capital_count_ == 1) {
      keys.CAPS_OFF();
      keys.SEND_SHIFT_VK(s.KeyVK, s.KeyScan);
      capital_count_ = 0;
    } else if (kind == 2) {
      keys.SEND_SHIFT_VK(s.KeyVK, s.KeyScan);
    } else if (capital_count_ == 2) {
      keys.CAPS_ON();
      keys.SEND_VK(s.KeyVK, s.KeyScan);
    } else {
      keys.SEND_VK(s.KeyVK, s.KeyScan);
    }
  }
}

void CellConversion::RestoreComposition(int which) {
  InputState& s = p_.state;
  MainWindow& w = p_.Main();
  ustring text;
  auto remove_before_caret = [&](int count) {
    EditControl& box = w.ActiveTextBox();
    const int caret = box.SelStart();
    const int start = caret - count < 0 ? 0 : caret - count;
    box.SetSel(start, caret - start);
    box.ReplaceSel(u"");
  };
  if (which == 0) {
    text = w.txtIN.Text();
    if (text.empty()) return;
  } else {
    if (w.txtOUT.Text().empty()) {
      p_.MsgBox(kNothingConfirmed, 0);
      return;
    }
    if (w.txtIN.Text().empty()) {
      remove_before_caret(static_cast<int>(w.txtKAN.Text().size()));
      text = w.txtOUT.Text();
    } else {
      const ustring first_reading = w.txtOUT.Text();
      const auto first_length = static_cast<int>(w.txtKAN.Text().size());
      p_.keys.SEND_EDIT_KEY(vk::kReturn);
      p_.DoEvents();
      const ustring second_reading = w.txtOUT.Text();
      const auto second_length = static_cast<int>(w.txtKAN.Text().size());
      remove_before_caret(first_length + second_length);
      text = first_reading + second_reading;
    }
  }
  const int previous = s.InputMode;
  if (s.InputMode != input_mode::kKana) {
    s.InputMode = input_mode::kKana;
    p_.modes.SET_IME_MODE();
  }
  p_.keys.CAPS_OFF();
  p_.ime.RETURN_IME_STR(text);
  if (capital_count_ >= 2) {
    p_.keys.CAPS_ON();
  } else {
    p_.keys.CAPS_OFF();
  }
  s.InputMode = previous;
  p_.modes.SET_IME_MODE();
}

}  // namespace orvo::braille
