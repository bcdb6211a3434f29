// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a front end gives the script player: the ways its window and its
// input differ from another front end's. Everything else a script does goes to
// the program itself, the same everywhere.
#include "files/drop_open.h"
#include "platform/keys.h"
#include "toolkit/forms/window_state.h"
#include "frontends/script/script_view.h"

namespace orvo::script {

class ScriptTarget {
 public:
  virtual ~ScriptTarget() = default;

  // What expect lines read at this moment.
  virtual ScriptView View() = 0;
  // A key of the script, taken as a person's key would be.
  virtual void Key(const KeyEvent& event) = 0;
  // The script waits: the target moves the program's clock, or lets real time pass.
  virtual void Wait(long long ms) = 0;
  // The main window's outer size, place and state (pixels, as the script writes them).
  virtual void Resize(int width_px, int height_px) = 0;
  virtual void Move(int left_px, int top_px) = 0;
  virtual void SetState(WindowState state) = 0;
  // After a step that reached the program outside its input queue: what it
  // started runs, and the screen follows.
  virtual void Settle() = 0;
  // The program has ended: no input reaches it any more.
  virtual bool Ended() const = 0;
  // Files dropped on the window, as the system hands them over; false when
  // this front end has no way of its own, and the program is given them.
  virtual bool Drop(const files::DroppedFiles&) { return false; }
  // Whether a restart step can be played here (a new program in the same folder).
  virtual bool CanRestart() const { return false; }
};

}  // namespace orvo::script
