// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The braille editing commands: in braille mode a key that is neither a dot
// key nor a function key does what the braille keymap says (Backspace, Enter,
// Space, the arrows and their letters, selection and pass-through, scrolling,
// re-typing, the context menu), or nothing; R let go resets braille input.
#include "braille/braille_keymap.h"
#include "braille/dot_chord.h"
#include "braille/key_part.h"

namespace orvo::braille {

class BrailleCommands : public KeyPart {
 public:
  BrailleCommands(InputState& state, KeySynth& keys, const Ports& ports, const Modules& modules,
                  DotChord& chord)
      : KeyPart(state, keys, ports, modules), chord_(chord) {}

  // A key going down in braille mode; the key is swallowed or remapped.
  void KeyDown(int& key);
  // A key let go: true when it was the reset key (R, braille mode only).
  bool KeyUp(int& key);

 private:
  void Run(KeyCommand command, int& key, bool pending);
  void RefuseModifier(const ustring& which);

  void Backspace(int& key, bool pending);
  void Enter(int& key);
  void Modifier(int& key, bool pending, KeyCommand command);
  void Space(int& key, bool pending);
  void Arrow(int& key, bool pending, int arrow);
  void Up(int& key, bool pending);
  void Down(int& key, bool pending);
  void LineEdge(int& key, bool pending);
  void TextEdge(int& key, bool pending);
  void RetypeResult();
  void RetypeReading(bool pending);
  void ResetInput();

  DotChord& chord_;
};

}  // namespace orvo::braille
