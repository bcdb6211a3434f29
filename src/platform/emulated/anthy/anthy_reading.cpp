// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/anthy/anthy_reading.h"

#include <algorithm>

#include "platform/emulated/ime/kana_forms.h"

namespace orvo::emu {
namespace {

struct FormRow {
  char16_t shown;  // as the composition may show it
  char16_t anthy;  // as anthy converts it
};

// clang-format off
// Full-width kana anthy knows only in one form: ヴ as katakana (its hiragana
// ゔ is not in the dictionary), the small ヵ ヶ as they are (counters, ヶ月).
constexpr FormRow kKanaExceptions[] = {
    {u'ゔ', u'ヴ'}, {u'ヴ', u'ヴ'}, {u'ヵ', u'ヵ'}, {u'ヶ', u'ヶ'},
};
// clang-format on

constexpr char16_t kKatakanaFirst = u'ァ';
constexpr char16_t kKatakanaLast = u'ヶ';
constexpr char16_t kKanaOffset = u'ァ' - u'ぁ';

bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

// The anthy form of the character at the front of `rest` and how many units it takes.
struct Step {
  ustring text;
  int units = 0;  // 0: cannot be given to anthy
};

// Katakana become hiragana, but for the kana anthy knows in one form only.
char16_t AnthyForm(char16_t ch) {
  for (const FormRow& row : kKanaExceptions) {
    if (row.shown == ch) return row.anthy;
  }
  if (ch >= kKatakanaFirst && ch <= kKatakanaLast) return static_cast<char16_t>(ch - kKanaOffset);
  return ch;
}

Step Convert(ustring_view rest) {
  const char16_t ch = rest.front();
  if (const auto half = MatchHalfWidth(rest)) return {ustring(1, AnthyForm(half->full)), half->units};
  if (AnthyForm(ch) != ch) return {ustring(1, AnthyForm(ch)), 1};
  if (IsHighSurrogate(ch)) {
    if (rest.size() >= 2 && IsLowSurrogate(rest[1])) return {ustring(rest.substr(0, 2)), 2};
    return {};
  }
  if (ch == 0 || IsLowSurrogate(ch)) return {};
  return {ustring(1, ch), 1};
}

}  // namespace

bool AnthyReading::Assign(ustring_view reading) {
  reading_.clear();
  text_.clear();
  reading_at_.assign(1, 0);
  text_at_.assign(1, 0);
  ustring text;
  std::vector<int> reading_at{0};
  std::vector<int> text_at{0};
  for (std::size_t i = 0; i < reading.size();) {
    const Step step = Convert(reading.substr(i));
    if (step.units == 0) {
      utf8_.clear();
      return false;
    }
    i += static_cast<std::size_t>(step.units);
    text += step.text;
    reading_at.push_back(static_cast<int>(i));
    text_at.push_back(static_cast<int>(text.size()));
  }
  reading_ = reading;
  text_ = std::move(text);
  reading_at_ = std::move(reading_at);
  text_at_ = std::move(text_at);
  utf8_ = ToUtf8(text_);
  return true;
}

int AnthyReading::Clamp(int position) const { return std::clamp(position, 0, Length()); }

int AnthyReading::ReadingUnitsBefore(int position) const { return reading_at_[Clamp(position)]; }

ustring AnthyReading::AnthyText(int begin, int end) const {
  const int from = text_at_[Clamp(begin)];
  const int to = text_at_[Clamp(std::max(begin, end))];
  return text_.substr(from, to - from);
}

ustring AnthyReading::ReadingText(int begin, int end) const {
  const int from = reading_at_[Clamp(begin)];
  const int to = reading_at_[Clamp(std::max(begin, end))];
  return reading_.substr(from, to - from);
}

}  // namespace orvo::emu
