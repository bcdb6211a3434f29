// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an expect line of a key script can read from a running session, one
// row a subject (the names are listed in key_script.h).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "frontends/script/key_script.h"
#include "frontends/script/script_view.h"

namespace orvo::script {

struct Expectation {
  enum class Value { kText, kSwitch, kNumber };         // any text, on|off, a whole number
  enum class Subject { kNone, kControl, kKey, kMenu, kFile, kForm };  // what the line names before the value
  std::string_view name;
  Value value;
  Subject subject;
  // The value as it stands, in the form the line writes it; nothing when the
  // subject is not there (a control of a form that is not loaded, a menu item
  // the main window lacks).
  std::optional<std::string> (*read)(const ScriptView& view, const ScriptStep& step);
};

const Expectation* FindExpectation(std::string_view name);

// Why the expect step does not hold, as its failure says it
// (expected text "か", got "き"); nothing when it holds.
std::optional<std::string> CheckExpectation(const ScriptView& view, const ScriptStep& step);

}  // namespace orvo::script
