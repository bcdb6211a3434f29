#pragma once
// What an expect line of a key script can read from a running session, one
// row a subject (the names are listed in key_script.h).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/program.h"
#include "platform/emulated/desktop.h"
#include "frontends/headless/key_script.h"
#include "frontends/headless/scripted_dialogs.h"

namespace orvo::headless {

// What expect lines read, from any front end's session.
struct ScriptView {
  Program& program;
  emu::Desktop& desktop;
  const AppHost& host;
  std::size_t standard_messages = 0;               // the host's own boxes so far
  const ustring* last_standard_message = nullptr;  // null: none
  const std::vector<ShownDialog>* dialogs = nullptr;  // the dialogs shown so far
};

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

}  // namespace orvo::headless
