// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The IME composition as the document widget shows it: its text at the caret,
// the clauses while converting, the focused clause, the caret inside it, and
// how each part is marked.
#include <vector>

#include "platform/text.h"

namespace orvo::emu {
class ImeEmulator;
}

namespace orvo::qt {

struct Preedit {
  ustring text;
  std::vector<int> clause_lengths;  // while converting; none before
  int focused = -1;
  int caret = 0;
  bool operator==(const Preedit&) const = default;
};

Preedit PreeditOf(const emu::ImeEmulator& ime);

// Reading not yet converted is underlined with dots; each clause has its own
// solid underline, so the borders show; the focused clause is shown inverted.
enum class PreeditMark { kComposing, kClause, kFocusedClause };

struct PreeditSpan {
  int start = 0;
  int length = 0;
  PreeditMark mark = PreeditMark::kComposing;
  bool operator==(const PreeditSpan&) const = default;
};

// The marked parts covering the whole composition; clause lengths that do not
// add up to the text are cut or stretched to it.
std::vector<PreeditSpan> SpansOf(const Preedit& preedit);

// The first character from which two compositions shown at the same place
// may look different: where their texts, the marks of their characters or
// the starts of their marked parts first differ, or where either caret
// stands, whichever comes first.
int FirstChangedAt(const Preedit& before, const Preedit& after);

}  // namespace orvo::qt
