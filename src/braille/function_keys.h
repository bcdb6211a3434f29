// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The function keys, in braille mode and out of it: Esc, F1 (braille mode on
// and off), F2 (the find dialog), F4 (the helper, Alt+F4), F5 (the key
// diagrams), F11 (the memo), F6 (the IME out of braille mode), F7 to F9 for
// the IME, Shift+F10 (the context menu), F10 in braille mode; and the Kana
// and Kanji keys let go.
#include "braille/key_part.h"

namespace orvo::braille {

class FunctionKeys : public KeyPart {
 public:
  using KeyPart::KeyPart;

  // True when the key was a function key.
  bool KeyDown(int& key, int shift);
  // True when the key let go was the Kana or the Kanji key.
  bool KeyUp(int& key);
};

}  // namespace orvo::braille
