// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window's script player is, whatever draws the window: a target the
// player plays into, the dialogs answered by the script's lines, the step
// that stopped the run told once, and the end told once.
#include <functional>
#include <string>

#include "app/program.h"
#include "frontends/script/script_player.h"
#include "frontends/script/script_target.h"

namespace orvo::script {

class ScriptDriver : public ScriptTarget {
 public:
  // Told of the step that ended the script (before the end is told).
  void SetOnFailure(std::function<void(int line, const std::string& message)> on_failure) {
    on_failure_ = std::move(on_failure);
  }

 protected:
  // on_done: runs once the last step was taken (or the script stopped).
  ScriptDriver(Program& program, std::function<void()> on_done)
      : player_(program, *this), on_done_(std::move(on_done)) {}

  // The script's answer to a dialog that asks `what` (null: none, and the run stops).
  const ScriptStep* Answer(const std::string& what);
  // Tells the step that stopped the run, the first time it is known.
  void ReportFailure();
  // The end was told already.
  bool Done() const { return !on_done_; }
  // The input has stopped: the expectations left are checked and a failure told.
  void CheckTheRest();
  // Runs on_done, once.
  void TellDone();

  ScriptPlayer player_;

 private:
  std::function<void()> on_done_;
  std::function<void(int, const std::string&)> on_failure_;
  bool reported_ = false;
};

}  // namespace orvo::script
