// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files a key script writes into the program folder before it works on them.
#include <optional>
#include <string>

#include "app/program.h"
#include "frontends/script/key_script.h"

namespace orvo::script {

// A script's file name in the program folder (an absolute one as it is).
ustring ScriptPath(const Program& program, const std::string& name);

// The files of a drop step, as the desktop hands them over.
files::DroppedFiles ScriptDrop(const Program& program, const ScriptStep& step);

// Writes a file step's text in the system code page; why it could not, if it could not.
std::optional<std::string> WriteScriptFile(Program& program, const ScriptStep& step);

}  // namespace orvo::script
