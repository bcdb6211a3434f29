// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/text_search.h"

#include <algorithm>

#include "editing/case_fold.h"

namespace orvo::editing {
namespace {

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Whether a position falls between the two halves of one character.
bool Splits(ustring_view text, std::size_t pos) {
  if (pos == 0 || pos >= text.size()) return false;
  const char16_t before = text[pos - 1];
  const char16_t after = text[pos];
  return (before == u'\r' && after == u'\n') || (IsHigh(before) && IsLow(after));
}

bool Clean(ustring_view text, std::size_t start, std::size_t length) {
  return !Splits(text, start) && !Splits(text, start + length);
}

// The two texts compared, upper-cased when case does not count.
struct Prepared {
  ustring hay_upper;
  ustring pat_upper;
  ustring_view hay;
  ustring_view pat;
};

Prepared Prepare(const SearchText& s) {
  Prepared p;
  if (s.match_case) {
    p.hay = s.haystack;
    p.pat = s.pattern;
  } else {
    p.hay_upper = UpperForSearch(s.haystack);
    p.pat_upper = UpperForSearch(s.pattern);
    p.hay = p.hay_upper;
    p.pat = p.pat_upper;
  }
  return p;
}

}  // namespace

std::optional<int> FindForward(const SearchText& search, int from) {
  if (search.pattern.empty() || search.pattern.size() > search.haystack.size()) return std::nullopt;
  const Prepared p = Prepare(search);
  std::size_t at = static_cast<std::size_t>(std::max(from, 0));
  while (at <= p.hay.size()) {
    at = p.hay.find(p.pat, at);
    if (at == ustring_view::npos) return std::nullopt;
    if (Clean(search.haystack, at, p.pat.size())) return static_cast<int>(at);
    ++at;
  }
  return std::nullopt;
}

std::optional<int> FindBackward(const SearchText& search, int last_start) {
  if (search.pattern.empty() || search.pattern.size() > search.haystack.size() || last_start < 0) {
    return std::nullopt;
  }
  const Prepared p = Prepare(search);
  std::size_t at = static_cast<std::size_t>(last_start);
  for (;;) {
    at = p.hay.rfind(p.pat, at);
    if (at == ustring_view::npos) return std::nullopt;
    if (Clean(search.haystack, at, p.pat.size())) return static_cast<int>(at);
    if (at == 0) return std::nullopt;
    --at;
  }
}

bool SameText(ustring_view a, ustring_view b, bool match_case) {
  if (a.size() != b.size()) return false;
  return match_case ? a == b : UpperForSearch(a) == UpperForSearch(b);
}

}  // namespace orvo::editing
