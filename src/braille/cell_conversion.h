#pragma once
// The cell conversion: each closed cell, read by Japanese braille rules in
// the current input mode, becomes romaji or ASCII typed key by key into the
// IME. Prefix cells wait for the next cell; mode cells switch the mode;
// capital signs count.
#include <array>

#include "platform/text.h"

namespace orvo {
class Program;
}

namespace orvo::braille {

class CellConversion {
 public:
  explicit CellConversion(Program& program) : p_(program) {}

  void Convert();  // the cell in InputState::CellCode
  // Empties result and pending cells, clears prefix pending and the no-output flag.
  void Reset();
  void ClearResult() { result_.clear(); }
  // Re-types the composition's reading (0), or the last confirmed text (1).
  void RestoreComposition(int which);

  bool NoOutput() const { return no_output_; }
  bool PrefixPending() const { return prefix_pending_; }
  const ustring& PendingCells() const { return pending_; }
  int CapitalCount() const { return capital_count_; }
  void SetCapitalCount(int count) { capital_count_ = count; }

 private:
  // The prefix check: "@" wait, "\" or "%" mode switched, "?" not a
  // prefix, "" look the cell up on its own.
  ustring CheckPrefix(char16_t cell);
  ustring LookupSingleCell(char16_t cell);
  void TypeResult(const ustring& result);
  void Fail();

  Program& p_;
  bool prefix_pending_ = false;
  ustring pending_;
  ustring result_;
  int capital_count_ = 0;
  bool no_output_ = false;
  std::array<bool, 3> bracket_closes_next_{};  // corner, parenthesis, angle; for the whole run
};

}  // namespace orvo::braille
