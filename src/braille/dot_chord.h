// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dot chord: in braille mode the dot keys (braille_keymap.h) held
// together form one cell, closed when the last of them is released; the
// closed chord's cell (GET_TEN_CODE) goes to the cell conversion as a value,
// and the cell display shows it.
#include "braille/key_part.h"

namespace orvo::braille {

class DotChord : public KeyPart {
 public:
  using KeyPart::KeyPart;

  // A key going down while the window previews it: true when the chord took
  // it (a dot key, or any key while a conversion is confirmed before a chord).
  bool KeyDown(int& key);
  // A key let go: true when it was a dot key of the chord (the last closes it).
  bool KeyUp(int& key);
  // A held key's auto-repeat: a dot key's is nothing at all.
  void KeyRepeat(int& key);

  // Forgets the dot keys of a chord not yet closed.
  void Drop();
  // The same, and the latch held again in braille mode (RESET_TEN_KEYS).
  void Reset();

 private:
  void Close(int& key);
};

}  // namespace orvo::braille
