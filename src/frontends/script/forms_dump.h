// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every loaded window of the program as JSON: its frame, whether it has the
// keyboard, and each control with what a screen reader would say of it.
#include <nlohmann/json.hpp>

#include "toolkit/forms/forms_runtime.h"

namespace orvo::script {

nlohmann::json DumpForms(const forms::FormsRuntime& runtime);

}  // namespace orvo::script
