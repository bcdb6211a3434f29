#pragma once
// Key scripts: what a person does at the keyboard, one action a line.
//   press KEY | release KEY | tap KEY | chord KEYS | wait MS | click CONTROL
//   menu NAME | resize W H | move X Y | maximize | minimize | restore
//   activate | deactivate | # a comment
#include <string>
#include <string_view>
#include <vector>

#include "platform/keys.h"

namespace orvo::headless {

struct ScriptStep {
  enum class Kind { kKey, kWait, kClick, kMenu, kResize, kMove, kState, kActivate };
  Kind kind = Kind::kKey;
  KeyEvent key;     // kKey
  long long ms = 0; // kWait
  std::string target;  // kClick: a control of the main window; kMenu: an item; kState: the state
  int x = 0;           // kResize: outer width, kMove: left (pixels); kActivate: 1 or 0
  int y = 0;           // kResize: outer height, kMove: top (pixels)
  int line = 0;
};

struct ScriptError {
  int line;
  std::string message;
};

struct ParsedScript {
  std::vector<ScriptStep> steps;
  std::vector<ScriptError> errors;
};

// Every line is checked; a script with errors is not to be run.
ParsedScript ParseScript(std::string_view text);

}  // namespace orvo::headless
