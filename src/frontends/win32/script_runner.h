// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a key script into the running window after start, a step whenever
// the program waits for input (in its main loop or in a modal window's), in
// real time. A key of the script goes through the system's input as a
// person's key does (SendInput, without the program's own mark), so that
// the key state, the message loop and the edit control see what a person's
// keyboard gives them. The first expectation that fails ends the script.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "frontends/script/script_driver.h"

namespace orvo::win32 {

class Win32Session;

class ScriptRunner : public script::ScriptDriver {
 public:
  // on_done: runs once the last step was taken (or the script stopped).
  ScriptRunner(Win32Session& session, std::vector<script::ScriptStep> steps, std::function<void()> on_done);
  ~ScriptRunner() override;
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

  // Plays the start prelude first (the splash closed as a person closes it), then the steps.
  void Start();
  // The program's loop has ended: the expectations left are checked.
  void Finish();

 private:
  // The loop is idle: plays the next step when it is due; true when it played one.
  bool Idle();

  // ScriptTarget
  script::ScriptView View() override;
  void Key(const KeyEvent& event) override;
  void Wait(long long ms) override;
  void Resize(int width_px, int height_px) override;
  void Move(int left_px, int top_px) override;
  void SetState(WindowState state) override;
  void Settle() override;
  // Posted to the window as the shell posts a drop (WM_DROPFILES with a real HDROP).
  bool Drop(const files::DroppedFiles& dropped) override;
  bool Ended() const override;

  Win32Session& session_;
  bool started_ = false;
  unsigned long long due_ms_ = 0;  // the next step's time, by GetTickCount64
  std::uintptr_t wake_ = 0;  // the timer that wakes the loop for a step due later
};

}  // namespace orvo::win32
