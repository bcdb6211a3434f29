// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Braille input on or off, the input mode inside it (kana, digits, letters),
// the mode display and the text box's IME mode that goes with each.
#include "braille/braille_menus.h"
#include "braille/cell_display.h"
#include "braille/editor_window.h"
#include "braille/input_state.h"
#include "braille/key_synth.h"
#include "toolkit/program_host.h"
#include "braille/side_windows.h"

namespace orvo::braille {

class CellConversion;
class ChordCapture;
class ImeControl;

// Who switches braille mode on or off. Only the hook leaves the focus where it is.
enum class TypeSwitch {
  kHook = 0,        // the window hook, ending braille input on an outside event
  kTypeButton = 1,  // the input-method button
  kF1 = 2,
  kClosing = 3,      // the main window closing
  kOptionMenu = 5,   // opening the option menu
  kKanaKey = 6,      // the Kana key locked
  kImeOff = 9,       // the IME found closed
  kFileMenu = 10,    // opening the file menu
  kEditMenu = 10,    // opening the edit menu
  kHelpMenu = 11,    // opening the help menu
  kMenuReturn = 12,  // back from a menu command
  kMinimised = 13,   // the main window minimised
};

class InputModes {
 public:
  struct Ports {
    ProgramHost& host;
    CellDisplay& display;
    BrailleMenus& menus;
    EditorWindow& window;
    SideWindows& side;
  };
  struct Modules {
    ChordCapture& chords;
    CellConversion& conversion;
    ImeControl& ime;
  };
  InputModes(InputState& state, KeySynth& keys, const Ports& ports, const Modules& modules)
      : s_(state), keys_(keys), p_(ports), m_(modules) {}

  // Toggles braille mode.
  void CMD_TYPE(TypeSwitch by);
  // The same by the caller's number, as scripts give it.
  void CMD_TYPE(int by) { CMD_TYPE(static_cast<TypeSwitch>(by)); }
  void SET_IME_MODE();
  void ModeLabelClick();

 private:
  void Enter();
  void Leave(TypeSwitch by);

  InputState& s_;
  KeySynth& keys_;
  Ports p_;
  Modules m_;
};

}  // namespace orvo::braille
