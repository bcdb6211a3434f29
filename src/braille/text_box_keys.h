// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document text box's own key and mouse handlers, after the window has
// previewed the key: the guard of a remapped key, the end of a synthetic
// sequence (SynthBusy), the mirror boxes brought up to date, and the IME's
// own keys handing the keyboard back to the text.
#include "braille/key_part.h"

namespace orvo::braille {

class TextBoxKeys : public KeyPart {
 public:
  using KeyPart::KeyPart;

  void KeyDown(int& key);
  void KeyUp(int& key);
  void MouseUp(int button);  // 1 left, 2 right
};

}  // namespace orvo::braille
