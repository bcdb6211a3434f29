// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a key script into a running Qt session after start, step by step
// through the same input queue as the keyboard, one step each turn of Qt's
// event loop. A person's session waits in real time; one without a person
// moves the program's clock at once. The first expectation that fails ends the script.
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "frontends/script/script_driver.h"

namespace orvo::qt {

class QtSession;

class ScriptFeeder : public QObject, private script::ScriptDriver {
  Q_OBJECT

 public:
  // Whether the start prelude is played before the steps (the splash closed as a person closes it).
  enum class Prelude { kNo, kFirst };
  // on_done: runs once the last step was taken.
  ScriptFeeder(QtSession& session, std::vector<script::ScriptStep> steps, std::function<void()> on_done,
               Prelude prelude = Prelude::kNo);
  ~ScriptFeeder() override;

  void Start();
  // The program's loop has ended: the expectations left are checked, and the
  // script is done. Nothing happens when it was done before.
  void Finish();
  // Told of the step that ended the script (before on_done).
  using script::ScriptDriver::SetOnFailure;

 private:
  void Next();

  // ScriptTarget
  script::ScriptView View() override;
  void Key(const KeyEvent& event) override;
  void Wait(long long ms) override;
  void Resize(int width_px, int height_px) override;
  void Move(int left_px, int top_px) override;
  void SetState(WindowState state) override;
  void Settle() override;
  bool Ended() const override;

  QtSession& session_;
};

}  // namespace orvo::qt
