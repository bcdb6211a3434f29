// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays a key script into a running program, one step at a time, for any front
// end: the front end decides when the next step is due (at once when the
// program asks for input, or on a timer) and supplies its window and its keys
// through a ScriptTarget; the player keeps the place in the script, checks the
// expectations, answers the dialogs and records the step that stopped the run.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "frontends/script/key_script.h"
#include "frontends/script/script_target.h"

namespace orvo::script {

// The lines every scripted run begins with, parsed.
const std::vector<ScriptStep>& StartPreludeSteps();

class ScriptPlayer {
 public:
  ScriptPlayer(Program& program, ScriptTarget& target) : program_(program), target_(target) {}

  // Plays `steps` as they are from the next step on.
  void Load(std::vector<ScriptStep> steps);
  // Plays the start prelude, then the script's steps from `from` on; a
  // restart's place is told in the script's own numbering.
  void LoadAfterPrelude(const std::vector<ScriptStep>& steps, std::size_t from = 0);

  // A step is left to play: none failed, no restart was taken, the program still takes input.
  bool HasNext() const;
  // The step PlayNext takes; null when none is left.
  const ScriptStep* Next() const { return HasNext() ? &steps_[next_] : nullptr; }
  // The step played last; null before the first.
  const ScriptStep* Last() const { return loaded_ && next_ > 0 ? &steps_[next_ - 1] : nullptr; }
  // Plays the next step; false when none was left or a restart step stopped the script.
  bool PlayNext();
  // The input has stopped: no key reaches the program any more, but the
  // expectations left are still checked, and a restart step still ends the run.
  void Finish();

  // Asked by a dialog that opened: the script's next step when it answers the
  // dialog, else null (and the run stops, unless unanswered dialogs are cancelled).
  const ScriptStep* DialogAnswer(const std::string& what);
  // Key storms type into dialogs they cannot answer: those are then cancelled
  // instead of stopping the run.
  void CancelUnansweredDialogs(bool cancel) { cancel_unanswered_ = cancel; }

  // The step that stopped the run: an expectation that did not hold, a click
  // on a control that is not there, a dialog no step answers.
  struct Failure {
    int line;
    std::string message;  // expected text "か", got "き"
  };
  const std::optional<Failure>& Failed() const { return failure_; }
  // A restart step stopped the run: the program is to be killed where it
  // stands and a new one started, going on with the script's steps from
  // `next`, with `file` (in the program folder; empty: none) on its command line.
  struct Restart {
    std::size_t next;
    std::string file;
  };
  const std::optional<Restart>& Restarting() const { return restart_; }

 private:
  void Perform(const ScriptStep& step);
  void PerformOnWindow(const ScriptStep& step);
  void Check(const ScriptStep& step);
  void TakeRestart(const ScriptStep& step);
  void Fail(int line, std::string message);

  Program& program_;
  ScriptTarget& target_;
  std::vector<ScriptStep> steps_;
  std::size_t next_ = 0;
  bool loaded_ = false;
  // Steps loaded after the prelude: the script's index of steps_[prelude_]
  // is offset_, so that a restart's place is told in the script's numbering.
  std::size_t prelude_ = 0;
  std::size_t offset_ = 0;
  bool cancel_unanswered_ = false;
  std::optional<Failure> failure_;
  std::optional<Restart> restart_;
};

}  // namespace orvo::script
