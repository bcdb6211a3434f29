// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every part of braille key handling shares (the dot chord, the braille
// editing commands, the function keys, the text box's keys and the deferred
// warnings): the input state, the keystrokes, the window's ports and the
// other braille modules, and the few steps each of them takes.
#include "braille/cell_display.h"
#include "braille/editor_window.h"
#include "braille/ime_mirrors.h"
#include "braille/input_state.h"
#include "braille/key_synth.h"
#include "braille/side_windows.h"
#include "braille/warning_timer.h"
#include "editing/text_box_moves.h"
#include "toolkit/program_host.h"

namespace orvo::braille {

class CellConversion;
class ImeControl;
class InputModes;

class KeyPart {
 public:
  struct Ports {
    ProgramHost& host;
    CellDisplay& display;
    ImeMirrors& mirrors;
    EditorWindow& window;
    SideWindows& side;
    WarningTimer& timer;
    editing::TextBoxMoves& text;
  };
  struct Modules {
    CellConversion& conversion;
    InputModes& modes;
    ImeControl& ime;
  };
  KeyPart(InputState& state, KeySynth& keys, const Ports& ports, const Modules& modules)
      : s_(state), keys_(keys), p_(ports), m_(modules) {}

  // ConvStage kNothing, the cell display emptied, the conversion reset.
  void DisplayReset();
  // The same, and Shift selection and the modifier pass-through ended.
  void FullDisplayReset();

 protected:
  // A reading is being composed: txtIN holds it.
  bool Pending() const;
  void Send(int key);  // an editing key for the IME; a conversion goes back to its reading
  // The IME switched on or off behind the program's back: the IME switch follows it.
  void CheckImeChanged();
  void ClearCells() { p_.display.ShowCells(u""); }

  InputState& s_;
  KeySynth& keys_;
  Ports p_;
  Modules m_;
};

}  // namespace orvo::braille
