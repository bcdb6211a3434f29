// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/script_driver.h"

namespace orvo::script {

const ScriptStep* ScriptDriver::Answer(const std::string& what) {
  const ScriptStep* answer = player_.DialogAnswer(what);
  ReportFailure();
  return answer;
}

void ScriptDriver::ReportFailure() {
  const auto& failed = player_.Failed();
  if (!failed || reported_) return;
  reported_ = true;
  if (on_failure_) on_failure_(failed->line, failed->message);
}

void ScriptDriver::CheckTheRest() {
  player_.Finish();
  ReportFailure();
}

void ScriptDriver::TellDone() {
  if (!on_done_) return;
  const auto done = std::move(on_done_);
  on_done_ = nullptr;
  done();
}

}  // namespace orvo::script
