// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/state_dump.h"

namespace orvo::headless {

nlohmann::json DumpState(Session& session) {
  script::ScriptView view = session.View();
  view.modal_waiting = session.EndedInModal();
  return script::DumpState(view);
}

}  // namespace orvo::headless
