// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The IME of the document text box: one wrapper bound to it, the mirror of
// its composition into the main window's hidden boxes, re-typing a reading,
// and the IME switch.
#include <memory>

#include "braille/braille_menus.h"
#include "braille/editor_window.h"
#include "braille/ime_mirrors.h"
#include "braille/ime_wrapper.h"
#include "braille/input_state.h"
#include "braille/key_synth.h"
#include "toolkit/program_host.h"
#include "editing/document_ime.h"
#include "platform/ime_service.h"
#include "platform/text.h"

namespace orvo::braille {

class CellConversion;
class InputModes;

enum class ImeSwitch {
  kToggle = 0,  // the IME button, F6, or the IME found changed
  kOn = 1,      // braille mode beginning
};

class ImeControl final : public editing::DocumentIme {
 public:
  struct Ports {
    ProgramHost& host;
    ImeService& service;
    ImeMirrors& mirrors;
    BrailleMenus& menus;
    EditorWindow& window;
  };
  struct Modules {
    InputModes& modes;
    CellConversion& conversion;
  };
  ImeControl(InputState& state, KeySynth& keys, const Ports& ports, const Modules& modules);
  ~ImeControl() override;

  void Create();   // binds a new wrapper to the current text box, unless one is alive
  void Release();  // drops the wrapper, releasing its context
  // Binds the wrapper to the box braille types into now, if it moved.
  void FollowTypingBox();
  bool Alive() const { return ime_ && ime_->Alive(); }
  void ReleaseIme() override { Release(); }
  void BindIme() override { Create(); }

  bool OpenStatus() const;  // a failed read counts as closed
  void Mirror();            // the mirror boxes from the IME; ConvStage kNothing or kReading
  // The IME's composition as converted so far, and the last text it confirmed,
  // read now (typing out of braille mode does not update the mirrors).
  ustring Composed() const;
  ustring Confirmed() const;
  int CandidateNumber() const;  // from 1; 0 while no candidate is chosen
  void RETURN_IME_STR(const ustring& reading);
  void CMD_IME(ImeSwitch how);

 private:
  void WantImeMode(int mode);  // sets the text box's IME mode, letting events run on a change
  void TypeRomaji(const ustring& romaji, bool shift);

  InputState& s_;
  KeySynth& keys_;
  Ports p_;
  Modules m_;
  std::unique_ptr<ImeWrapper> ime_;
};

}  // namespace orvo::braille
