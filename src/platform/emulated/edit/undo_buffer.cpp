// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/edit/undo_buffer.h"

namespace orvo::emu {

UndoBuffer UndoBuffer::After(int start, ustring_view deleted, int inserted) const {
  UndoBuffer next = *this;
  const bool only_deleted = next.inserted_ == 0 && !next.deleted_.empty();
  if (!deleted.empty()) {
    const int end = start + static_cast<int>(deleted.size());
    if (only_deleted && start == next.position_) {
      next.deleted_.append(deleted);  // Delete again at the same place
    } else if (only_deleted && end == next.position_) {
      next.deleted_.insert(0, deleted);  // Backspace again
      next.position_ = start;
    } else {
      next = UndoBuffer(start, 0, ustring(deleted));
    }
  }
  if (inserted > 0) {
    const bool joins =
        start == next.position_ || (next.inserted_ > 0 && start == next.position_ + next.inserted_);
    if (joins) {
      next.inserted_ += inserted;
    } else {
      next = UndoBuffer(start, inserted, ustring());
    }
  }
  return next;
}

}  // namespace orvo::emu
