// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text being composed, one character at a time, with the caret. Each
// character remembers the keys typed for it, so the composition can be shown
// again as the typed romaji (F9, F10). Pending romaji letters are characters
// too; they always sit just before the caret.
#include <vector>

#include "platform/text.h"

namespace orvo::emu {

class Composition {
 public:
  bool Empty() const { return chars_.empty(); }
  int Size() const { return static_cast<int>(chars_.size()); }
  int Caret() const { return caret_; }

  // Ranges are [begin, end) in characters, clamped to the composition.
  ustring Text() const { return Text(0, Size()); }
  ustring Text(int begin, int end) const;
  ustring Reading() const { return Reading(0, Size()); }
  ustring Reading(int begin, int end) const;
  ustring Keys(int begin, int end) const;

  // Final text typed by `keys`, inserted at the caret as one group.
  void Insert(ustring_view text, ustring_view keys);
  void InsertPending(char16_t shown, char16_t key);
  ustring PendingKeys() const;
  // The text without the pending letters.
  ustring SettledText() const;
  void DropPending();
  // Removes the last pending letter; false when there is none.
  bool RemovePendingKey();

  // One character before / after the caret; false when there is none.
  bool DeleteBefore();
  bool DeleteAfter();
  void SetCaret(int position);
  void Erase(int begin, int end);
  void Clear();

 private:
  struct Char {
    char16_t ch;
    ustring keys;  // the group's keys, on its first character
    bool pending;
    bool joined;  // continues the group of the character before
  };

  int GroupEnd(int index) const;
  int GroupStart(int index) const;
  void Ungroup(int index);
  void EraseChar(int index);
  int Clamp(int position) const;

  std::vector<Char> chars_;
  int caret_ = 0;
};

}  // namespace orvo::emu
