#pragma once
// Six-key chord capture: in braille mode the main window sees every key
// before the text box; dot keys held together form one cell, closed when the
// last of them is released; other keys are remapped to editing keys,
// refused, passed through or swallowed. Also the text box's own key and
// mouse handlers, and the timer that shows deferred warnings.
#include "braille/braille_keymap.h"
#include "braille/cell_display.h"
#include "braille/editor_window.h"
#include "braille/ime_mirrors.h"
#include "braille/input_state.h"
#include "braille/key_synth.h"
#include "toolkit/program_host.h"
#include "braille/side_windows.h"
#include "braille/warning_timer.h"
#include "editing/text_box_moves.h"

namespace orvo::braille {

class CellConversion;
class ImeControl;
class InputModes;

class ChordCapture {
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
  ChordCapture(InputState& state, KeySynth& keys, const Ports& ports, const Modules& modules)
      : s_(state), keys_(keys), p_(ports), m_(modules) {}

  void FormKeyDown(int& key, int shift);
  void FormKeyUp(int& key, int shift);
  // A held key's auto-repeat, before it acts as a key-down: a dot key's is
  // nothing at all, so a held key counts once and never starts a chord.
  void FormKeyRepeat(int& key);
  void TextKeyDown(int& key, int shift);
  void TextKeyUp(int& key, int shift);
  void TextMouseUp(int button);  // 1 left, 2 right
  void Timer1Tick();

  void RESET_TEN_KEYS();
  // Forgets the dot keys of a chord not yet closed.
  void DropHalfChord();
  // ConvStage kNothing, the cell display emptied, the conversion reset.
  void DisplayReset();
  // The same, and Shift selection and the modifier pass-through ended.
  void FullDisplayReset();

 private:
  bool Pending() const;
  void Send(int key);  // an editing key for the IME; a conversion goes back to its reading
  void CloseChord(int& key);
  void BrailleKeyDown(int& key);
  void Run(KeyCommand command, int& key, bool pending);
  bool FunctionKeyDown(int& key, int shift);  // true when the key was a function key
  void CheckImeChanged();
  void RefuseModifier(const ustring& which);
  void ClearCells() { p_.display.ShowCells(u""); }

  // The commands of the braille keymap.
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

  InputState& s_;
  KeySynth& keys_;
  Ports p_;
  Modules m_;
};

}  // namespace orvo::braille
