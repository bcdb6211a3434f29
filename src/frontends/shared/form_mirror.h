// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A form as a front end last showed it. The mirror hears the forms runtime's
// change reports, keeps per control what its peer was last given (place,
// caption, colours, font, picture, list entries, value, focus ...) and at
// each sync gives each peer only what changed, in pixels. Peers are made
// when their control first needs drawing (holders first, so what they hold
// goes inside them; a hidden text box only once shown), and go with their
// control or the form. The main window's document boxes are the front end's
// document view's, never a peer's.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/forms/forms_runtime.h"
#include "frontends/shared/control_peers.h"

namespace orvo::frontend {

class FormMirror {
 public:
  // Both outlive the mirror, the form until it unloads.
  FormMirror(forms::Form& form, FormPeer& peer);
  ~FormMirror();
  FormMirror(const FormMirror&) = delete;
  FormMirror& operator=(const FormMirror&) = delete;

  // Null once the form was unloaded.
  forms::Form* Model() const { return form_; }
  // Brings the peers up to date with what the runtime reported since the last time.
  void Sync();
  // While held, a sync brings only the text boxes, the window and the focus up
  // to date; the other controls wait for the first sync after it (a key's text
  // reaches the screen before the figures and displays it changed).
  void HoldControls(bool held) { controls_held_ = held; }

  ControlPeer* PeerOf(const forms::Control* control) const;
  // The control a peer shows, or null.
  forms::Control* ControlOf(const ControlPeer* peer) const;
  // The peer of a control by name (and index in an indexed set), or null.
  ControlPeer* Find(std::string_view name, int index = -1) const;
  // Controls whose kind the front end made no peer for, by name: a new kind needs its peer.
  const std::vector<std::string>& Undrawn() const { return undrawn_; }

 private:
  struct Shown;
  struct Slot;

  void Heard(const forms::FormsEvent& event);
  void Build();
  Slot* Make(forms::Control& control);
  void SyncSlot(Slot& slot);
  // What a control shows of where the keyboard is.
  void SyncFocusStates(Slot& slot);
  void SyncWindow();
  void SyncFocus();
  void Detach();
  Slot* SlotOf(const forms::Control* control) const;

  forms::Form* form_;
  FormPeer& peer_;
  int subscription_ = 0;
  std::map<const forms::Control*, std::unique_ptr<Slot>> slots_;
  // The slots that show a text box, looked at on every sync: found once, when made.
  std::vector<Slot*> text_slots_;
  std::vector<std::string> undrawn_;
  bool structure_dirty_ = true;
  bool window_dirty_ = true;
  bool controls_dirty_ = true;
  bool controls_held_ = false;
  bool focus_known_ = false;
  const forms::Control* focus_shown_ = nullptr;
};

}  // namespace orvo::frontend
