#pragma once
// The state of a headless session as one JSON object.
#include <nlohmann/json.hpp>

#include "platform/headless/session.h"

namespace orvo::headless {

nlohmann::json DumpState(Session& session);

}  // namespace orvo::headless
