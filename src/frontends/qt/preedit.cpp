// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/preedit.h"

#include <algorithm>

#include "platform/emulated/ime/ime_emulator.h"

namespace orvo::qt {

Preedit PreeditOf(const emu::ImeEmulator& ime) {
  Preedit p;
  if (!ime.Composing()) return p;
  p.text = ime.CompositionString();
  p.caret = ime.CaretInComposition();
  if (ime.Converting()) {
    for (const auto& clause : ime.Clauses()) p.clause_lengths.push_back(static_cast<int>(clause.text.size()));
    p.focused = ime.FocusedClause();
  }
  return p;
}

std::vector<PreeditSpan> SpansOf(const Preedit& preedit) {
  const int size = static_cast<int>(preedit.text.size());
  std::vector<PreeditSpan> spans;
  if (size == 0) return spans;
  if (preedit.clause_lengths.empty()) {
    spans.push_back({0, size, PreeditMark::kComposing});
    return spans;
  }
  int start = 0;
  for (std::size_t i = 0; i < preedit.clause_lengths.size() && start < size; ++i) {
    const bool last = i + 1 == preedit.clause_lengths.size();
    const int length = last ? size - start : std::clamp(preedit.clause_lengths[i], 0, size - start);
    if (length == 0) continue;
    const bool focused = static_cast<int>(i) == preedit.focused;
    spans.push_back({start, length, focused ? PreeditMark::kFocusedClause : PreeditMark::kClause});
    start += length;
  }
  return spans;
}

namespace {

// Each character's mark and whether a marked part starts at it.
struct CharLooks {
  PreeditMark mark;
  bool starts_part;
  bool operator==(const CharLooks&) const = default;
};

std::vector<CharLooks> LooksOf(const Preedit& preedit) {
  std::vector<CharLooks> looks(preedit.text.size(), {PreeditMark::kComposing, false});
  for (const PreeditSpan& span : SpansOf(preedit)) {
    for (int k = span.start; k < span.start + span.length; ++k) looks[k] = {span.mark, k == span.start};
  }
  return looks;
}

}  // namespace

int FirstChangedAt(const Preedit& before, const Preedit& after) {
  // A part's underline and colours are drawn from where it starts: what lies
  // before the first character whose text, mark or part start differ looks
  // the same in both.
  const std::vector<CharLooks> was = LooksOf(before);
  const std::vector<CharLooks> is = LooksOf(after);
  const std::size_t common = std::min(was.size(), is.size());
  std::size_t first = 0;
  while (first < common && before.text[first] == after.text[first] && was[first] == is[first]) ++first;
  return std::min({static_cast<int>(first), before.caret, after.caret});
}

}  // namespace orvo::qt
