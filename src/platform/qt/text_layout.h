#pragma once
// What the text view draws, line by line: the document's lines with the IME
// composition put in at the caret, each line cut into runs of one style.
// Only CR LF breaks a line, as in the edit control.
#include <vector>

#include "platform/text.h"

namespace orvo::qt {

enum class RunStyle { kPlain, kSelected, kComposing, kClause, kFocusedClause };

struct TextRun {
  ustring text;
  RunStyle style = RunStyle::kPlain;
  bool operator==(const TextRun&) const = default;
};

struct ViewLine {
  std::vector<TextRun> runs;
  int caret = -1;  // UTF-16 offset of the caret in the line, -1 when it is elsewhere
};

// The composition at the caret: its text, the lengths of its clauses while
// converting (none before), the focused clause, and the caret inside it.
struct Preedit {
  ustring text;
  std::vector<int> clause_lengths;
  int focused = -1;
  int caret = 0;
};

// anchor and caret: the ends of the selection in UTF-16 positions.
std::vector<ViewLine> LayOutText(const ustring& text, int anchor, int caret, const Preedit& preedit);

}  // namespace orvo::qt
