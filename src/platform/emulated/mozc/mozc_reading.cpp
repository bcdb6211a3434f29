// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/mozc/mozc_reading.h"

#include <algorithm>

#include "platform/emulated/ime/kana_forms.h"

namespace orvo::emu::mozc {
namespace {

bool IsHigh(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLow(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

// Katakana as hiragana, which mozc converts; ヴ as ゔ; ヵ ヶ have no hiragana mozc knows.
char16_t SentForm(char16_t ch) {
  if (ch == u'ヴ') return u'ゔ';
  if (ch == u'ヵ' || ch == u'ヶ') return ch;
  if (ch >= u'ァ' && ch <= u'ヶ') return static_cast<char16_t>(ch - (u'ァ' - u'ぁ'));
  return ch;
}

}  // namespace

bool MozcReading::Assign(ustring_view reading) {
  reading_.clear();
  chars_.clear();
  std::vector<Char> chars;
  std::size_t at = 0;
  while (at < reading.size()) {
    const char16_t ch = reading[at];
    ustring sent;
    std::size_t units = 1;
    if (const auto half = MatchHalfWidth(reading.substr(at))) {
      sent.assign(1, SentForm(half->full));
      units = static_cast<std::size_t>(half->units);
    } else if (IsHigh(ch) && at + 1 < reading.size() && IsLow(reading[at + 1])) {
      sent = ustring(reading.substr(at, 2));
      units = 2;
    } else if (ch < 0x20 || ch == 0x7F || IsHigh(ch) || IsLow(ch)) {
      return false;
    } else {
      sent.assign(1, SentForm(ch));
    }
    at += units;
    chars.push_back({std::move(sent), static_cast<int>(at)});
  }
  reading_ = reading;
  chars_ = std::move(chars);
  return true;
}

int MozcReading::Clamp(int position) const { return std::clamp(position, 0, Length()); }

int MozcReading::UnitsBefore(int position) const {
  position = Clamp(position);
  return position == 0 ? 0 : chars_[position - 1].reading_end;
}

std::string MozcReading::Utf8(int begin, int end) const { return ToUtf8(SentText(begin, end)); }

ustring MozcReading::ReadingText(int begin, int end) const {
  const int from = UnitsBefore(begin);
  return reading_.substr(from, UnitsBefore(std::max(begin, end)) - from);
}

ustring MozcReading::SentText(int begin, int end) const {
  ustring out;
  for (int i = Clamp(begin); i < Clamp(end); ++i) out += chars_[i].sent;
  return out;
}

}  // namespace orvo::emu::mozc
