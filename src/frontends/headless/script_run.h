// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole key script in one program folder: each restart step kills the
// program where it stands and starts a new one there, which goes on with the
// steps after it.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frontends/headless/session.h"

namespace orvo::headless {

struct ScriptRun {
  std::unique_ptr<Session> session;  // the last program started
  bool started = false;              // false: its start-up refused
  int restarts = 0;
};

// `prepare` is told of each new session before it starts.
ScriptRun RunScript(const std::string& folder, const ustring& command_line, const std::vector<ScriptStep>& steps,
                    const SessionOptions& options = {}, const std::function<void(Session&)>& prepare = {});

}  // namespace orvo::headless
