#pragma once
// What an expect line of a key script can read from a running session, one
// row a subject (the names are listed in key_script.h).
#include <optional>
#include <string>
#include <string_view>

namespace orvo::headless {

class Session;
struct ScriptStep;

struct Expectation {
  enum class Value { kText, kSwitch, kNumber };  // any text, on|off, a whole number
  enum class Subject { kNone, kControl, kKey, kMenu };  // what the line names before the value
  std::string_view name;
  Value value;
  Subject subject;
  // The value as it stands, in the form the line writes it; nothing when the
  // subject is not there (a control of a form that is not loaded, a menu item
  // the main window lacks).
  std::optional<std::string> (*read)(Session& session, const ScriptStep& step);
};

const Expectation* FindExpectation(std::string_view name);

}  // namespace orvo::headless
