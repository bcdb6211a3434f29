// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Braille key handling as the windows see it: in braille mode the main window
// (and the find dialog) sees every key before the text box, and this routes
// each to its part. A real Ctrl or Alt passing through and a Shift selection
// come first; then the dot chord (dot_chord.h), the function keys
// (function_keys.h) and the braille editing commands (braille_commands.h).
// Also the text box's own key and mouse handlers (text_box_keys.h) and the
// warning timer's tick (timer_warnings.h).
#include "braille/braille_commands.h"
#include "braille/dot_chord.h"
#include "braille/function_keys.h"
#include "braille/key_part.h"
#include "braille/text_box_keys.h"
#include "braille/timer_warnings.h"

namespace orvo::braille {

class ChordCapture : public KeyPart {
 public:
  ChordCapture(InputState& state, KeySynth& keys, const Ports& ports, const Modules& modules)
      : KeyPart(state, keys, ports, modules),
        chord_(state, keys, ports, modules),
        commands_(state, keys, ports, modules, chord_),
        function_keys_(state, keys, ports, modules),
        text_keys_(state, keys, ports, modules),
        warnings_(state, keys, ports, modules) {}

  void FormKeyDown(int& key, int shift);
  void FormKeyUp(int& key, int shift);
  // A held key's auto-repeat, before it acts as a key-down: a dot key's is
  // nothing at all, so a held key counts once and never starts a chord.
  void FormKeyRepeat(int& key) { chord_.KeyRepeat(key); }
  void TextKeyDown(int& key, int) { text_keys_.KeyDown(key); }
  void TextKeyUp(int& key, int) { text_keys_.KeyUp(key); }
  void TextMouseUp(int button) { text_keys_.MouseUp(button); }  // 1 left, 2 right
  void Timer1Tick() { warnings_.Timer1Tick(); }

  void RESET_TEN_KEYS() { chord_.Reset(); }
  // Forgets the dot keys of a chord not yet closed.
  void DropHalfChord() { chord_.Drop(); }

 private:
  // The keys of a Shift selection: true when the selection took the key; an
  // arrow it leaves to go on as Shift+arrow. Every key let go is its own.
  bool ShiftSelectKeyDown(int& key);
  void ShiftSelectKeyUp(int& key);

  DotChord chord_;
  BrailleCommands commands_;
  FunctionKeys function_keys_;
  TextBoxKeys text_keys_;
  TimerWarnings warnings_;
};

}  // namespace orvo::braille
