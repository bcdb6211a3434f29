// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/script_run.h"

namespace orvo::headless {

ScriptRun RunScript(const std::string& folder, const ustring& command_line, const std::vector<ScriptStep>& steps,
                    const SessionOptions& options, const std::function<void(Session&)>& prepare) {
  ScriptRun run;
  ustring given = command_line;
  std::size_t from = 0;
  for (;;) {
    // The program before is gone before the next one starts, as after a kill.
    run.session.reset();
    run.session = std::make_unique<Session>(folder, given, options);
    if (prepare) prepare(*run.session);
    run.started = run.session->Start(steps, from);
    const auto& restart = run.session->Restarting();
    if (!run.started || !restart || run.session->Failed()) break;
    from = restart->next;
    given = restart->file.empty() ? ustring() : FromUtf8(folder + "/" + restart->file);
    ++run.restarts;
  }
  return run;
}

}  // namespace orvo::headless
