// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a program's key script comes from: a file or a text, checked whole
// before any of it runs.
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "frontends/script/key_script.h"

namespace orvo::script {

// A file's bytes; nothing when it cannot be read.
std::optional<std::string> ReadScriptFile(const std::string& path);

// The script's steps; nothing when a line is wrong, each such line told on
// `errors` as NAME:LINE: error: MESSAGE.
std::optional<std::vector<ScriptStep>> ParseOrReport(std::string_view text, std::string_view name, std::ostream& errors);

}  // namespace orvo::script
