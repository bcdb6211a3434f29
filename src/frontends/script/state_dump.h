// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of a running program as one JSON object, the same for every front end.
#include <nlohmann/json.hpp>

#include "frontends/script/script_view.h"

namespace orvo::script {

nlohmann::json DumpState(const ScriptView& view);

}  // namespace orvo::script
