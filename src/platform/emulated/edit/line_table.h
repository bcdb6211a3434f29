// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each line of an edit control's text starts, both in character
// positions and in double-byte units, kept up to date edit by edit so that the
// EM_* queries never rescan the whole text. Only a CR LF pair ends a line; a
// lone CR or LF is an ordinary character of width 1.
#include <cstddef>
#include <vector>

#include "platform/text.h"

namespace orvo::emu {

// Sum of DbcsWidth over the text.
int TextWidth(ustring_view text);
// Whether a position between `before` and `after` would split a pair (CR LF, a surrogate pair).
bool SplitsPair(char16_t before, char16_t after);
// The longest prefix of text no wider than room that ends between pairs.
std::size_t FittingPrefix(ustring_view text, long long room);

class LineTable {
 public:
  LineTable();  // the index of an empty text: one empty line

  void Rebuild(ustring_view text);

  // A change prepared against the old text. Preparing may throw
  // std::bad_alloc and leaves the index untouched; committing cannot fail.
  struct Change {
    std::size_t first = 0;  // old entries [first, last) are dropped
    std::size_t last = 0;
    std::vector<int> added_starts;
    std::vector<int> added_dbcs;
    int char_delta = 0;
    int dbcs_delta = 0;
  };
  // [start, end) of old_text is about to become `inserted`.
  Change Prepare(ustring_view old_text, int start, int end, ustring_view inserted);
  void Commit(Change&& change) noexcept;

  int Count() const { return static_cast<int>(starts_.size()); }
  int TotalChars() const { return total_chars_; }
  int TotalDbcs() const { return total_dbcs_; }

  // Lines are 0-based; callers pass lines in [0, Count()).
  int Start(int line) const { return starts_[line]; }
  int DbcsStart(int line) const { return dbcs_[line]; }
  int End(int line) const;      // just before the line's CR LF, or the text's end
  int DbcsEnd(int line) const;  // the same in double-byte units
  int DbcsLength(int line) const { return DbcsEnd(line) - DbcsStart(line); }

  int LineOf(int pos) const;                     // the line holding character position pos
  int LineOfDbcs(int dbcs) const;                // the line holding double-byte position dbcs
  int DbcsOf(ustring_view text, int pos) const;  // scans only within pos's line
  int WidestLine() const;                        // widest line, in double-byte units

 private:
  std::vector<int> starts_;
  std::vector<int> dbcs_;
  int total_chars_ = 0;
  int total_dbcs_ = 0;
};

}  // namespace orvo::emu
