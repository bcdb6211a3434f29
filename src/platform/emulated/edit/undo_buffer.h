// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-level undo of an edit control: the range the last edit inserted and
// the text it removed there. Undoing swaps the two, so a second undo redoes.
#include <utility>

#include "platform/text.h"

namespace orvo::emu {

class UndoBuffer {
 public:
  UndoBuffer() = default;
  UndoBuffer(int position, int inserted, ustring deleted)
      : position_(position), inserted_(inserted), deleted_(std::move(deleted)) {}

  bool CanUndo() const { return inserted_ > 0 || !deleted_.empty(); }
  int Position() const { return position_; }
  int Inserted() const { return inserted_; }  // length of [Position(), Position() + Inserted())
  const ustring& Deleted() const { return deleted_; }

  // The record after [start, start + deleted.size()) was replaced by
  // `inserted` characters. Typing on at the end of the last insertion, and
  // Backspace or Delete repeated at the same place, grow the record instead of
  // starting a new one. May throw std::bad_alloc; *this is left as it was.
  UndoBuffer After(int start, ustring_view deleted, int inserted) const;

 private:
  int position_ = 0;
  int inserted_ = 0;
  ustring deleted_;
};

}  // namespace orvo::emu
