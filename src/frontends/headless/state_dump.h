// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of a headless session as one JSON object, as every front end dumps it.
#include <nlohmann/json.hpp>

#include "frontends/headless/session.h"
#include "frontends/script/state_dump.h"

namespace orvo::headless {

using script::DumpState;

// A box still waiting when the input ran out is told as waiting.
nlohmann::json DumpState(Session& session);

}  // namespace orvo::headless
