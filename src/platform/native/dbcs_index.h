// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions of a text in both counts an edit control is asked in: UTF-16
// elements (the program's strings, a Unicode control's messages) and
// double-byte units (half-width 1, full-width 2, as an ANSI edit control on
// a Japanese system counts).
#include <vector>

#include "platform/text.h"

namespace orvo::native {

class DbcsIndex {
 public:
  DbcsIndex() : prefix_{0} {}
  explicit DbcsIndex(ustring_view text);

  int Size() const { return static_cast<int>(prefix_.size()) - 1; }  // UTF-16 elements
  int TotalDbcs() const { return prefix_.back(); }
  // Double-byte units before a position, the position clamped to the text.
  int DbcsOf(int pos) const;
  // The position of the character a double-byte position falls in (its
  // start, for the second half of a full-width one); clamped to the text.
  int PositionOf(int dbcs) const;

 private:
  std::vector<int> prefix_;  // double-byte units before each position
};

}  // namespace orvo::native
