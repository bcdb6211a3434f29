// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/review_key.h"

#include <algorithm>

#include "readings/describer.h"
#include "readings/readings_texts.h"

namespace orvo::readings {
namespace {

bool IsLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }

ustring Said(ustring_view what) { return ustring(what) + u' ' + Describe(what); }

ustring Katakana(ustring text) {
  for (char16_t& c : text) {
    if (c >= u'ぁ' && c <= u'ゖ') c = static_cast<char16_t>(c + 0x60);
  }
  return text;
}

ustring Line(ustring_view text, std::size_t caret, const ReadingOf& reading_of) {
  std::size_t begin = caret, end = caret;
  while (begin > 0 && !IsLineEnd(text[begin - 1])) --begin;
  while (end < text.size() && !IsLineEnd(text[end])) ++end;
  if (begin == end) return ustring(text::kEmptyLine);
  const ustring_view line = text.substr(begin, end - begin);
  const ustring_view read = line.substr(0, ReviewKey::kMostRead);
  const ustring reading = reading_of ? reading_of(read) : ustring();
  if (reading.empty()) return Said(line);
  ustring said = ustring(line) + u' ' + ustring(text::kReading) + u' ' + Katakana(reading);
  if (read.size() < line.size()) said += text::kBetween, said += text::kCut;
  return said;
}

ustring Character(ustring_view text, std::size_t caret) {
  if (caret >= text.size()) return ustring(text::kTextEnd);
  if (IsLineEnd(text[caret])) return Describe(text.substr(caret, 1));
  // A pair of surrogates is one character.
  const bool pair = text[caret] >= 0xD800 && text[caret] < 0xDC00 && caret + 1 < text.size() &&
                    text[caret + 1] >= 0xDC00 && text[caret + 1] < 0xE000;
  return Said(text.substr(caret, pair ? 2 : 1));
}

}  // namespace

ustring ReviewKey::Press(ustring_view text, int sel_start, int sel_length, std::int64_t now_ms,
                         const ReadingOf& reading_of) {
  const std::size_t start = std::min<std::size_t>(static_cast<std::size_t>(std::max(sel_start, 0)), text.size());
  const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(std::max(sel_length, 0)), text.size() - start);
  if (length > 0) {
    last_.reset();
    return ustring(text::kSelected) + u' ' + Describe(text.substr(start, length));
  }
  const int caret = static_cast<int>(start);
  if (last_ && last_->caret == caret && now_ms - last_->at >= 0 && now_ms - last_->at <= kAgainMs) {
    last_.reset();
    return Line(text, start, reading_of);
  }
  last_ = Last{now_ms, caret};
  return Character(text, start);
}

}  // namespace orvo::readings
