#include "platform/headless/key_script.h"

#include <charconv>
#include <sstream>

#include "platform/headless/key_names.h"

namespace orvo::headless {
namespace {

// Controls of the main window a script can click, by name (lblSTYLE0-3: the status captions).
constexpr std::string_view kClickTargets[] = {
    "cmdTYPE", "cmdIME", "lblMODE", "cmdCOVER", "cmdTOOL", "lblTURN", "picCONER", "picSTATUS",
    "lblSTYLE0", "lblSTYLE1", "lblSTYLE2", "lblSTYLE3",
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

class LineParser {
 public:
  LineParser(ParsedScript& out, int line) : out_(out), line_(line) {}

  void Parse(std::string_view text) {
    const auto space = text.find_first_of(" \t");
    const std::string_view verb = text.substr(0, space);
    const std::string_view arg = space == std::string_view::npos ? "" : Trim(text.substr(space));
    if (verb == "press" || verb == "release" || verb == "tap") {
      const auto key = Key(arg);
      if (!key) return;
      if (verb != "release") Push(*key, false);
      if (verb != "press") Push(*key, true);
    } else if (verb == "chord") {
      Chord(arg);
    } else if (verb == "wait") {
      Wait(arg);
    } else if (verb == "click") {
      Click(arg);
    } else if (verb == "menu") {
      Menu(arg);
    } else if (verb == "resize" || verb == "move") {
      Pair(verb == "resize" ? ScriptStep::Kind::kResize : ScriptStep::Kind::kMove, arg);
    } else if (verb == "maximize" || verb == "minimize" || verb == "restore") {
      Simple(ScriptStep::Kind::kState, std::string(verb), 0, arg);
    } else if (verb == "activate" || verb == "deactivate") {
      Simple(ScriptStep::Kind::kActivate, {}, verb == "activate" ? 1 : 0, arg);
    } else {
      Error("unknown command '" + std::string(verb) + "'");
    }
  }

 private:
  std::optional<NamedKey> Key(std::string_view name) {
    if (name.empty()) {
      Error("a key name is missing");
      return std::nullopt;
    }
    auto key = LookupKey(name);
    if (!key) Error("unknown key '" + std::string(name) + "'");
    return key;
  }

  void Push(const NamedKey& key, bool up) {
    ScriptStep step;
    step.kind = ScriptStep::Kind::kKey;
    step.key = KeyEvent{key.vk, key.scan, up, false};
    step.line = line_;
    out_.steps.push_back(step);
  }

  void Chord(std::string_view keys) {
    if (keys.empty()) {
      Error("chord needs its keys, e.g. 'chord FDS'");
      return;
    }
    std::vector<NamedKey> found;
    for (char c : keys) {
      auto key = Key(std::string_view(&c, 1));
      if (!key) return;
      found.push_back(*key);
    }
    for (const NamedKey& key : found) Push(key, false);
    for (const NamedKey& key : found) Push(key, true);
  }

  void Wait(std::string_view arg) {
    long long ms = 0;
    const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), ms);
    if (arg.empty() || ec != std::errc() || end != arg.data() + arg.size() || ms < 0) {
      Error("wait needs a number of milliseconds");
      return;
    }
    ScriptStep step;
    step.kind = ScriptStep::Kind::kWait;
    step.ms = ms;
    step.line = line_;
    out_.steps.push_back(step);
  }

  void Click(std::string_view target) {
    for (std::string_view known : kClickTargets) {
      if (known == target) {
        ScriptStep step;
        step.kind = ScriptStep::Kind::kClick;
        step.target = std::string(target);
        step.line = line_;
        out_.steps.push_back(step);
        return;
      }
    }
    Error("cannot click '" + std::string(target) + "'");
  }

  void Menu(std::string_view name) {
    const bool looks_right =
        name.size() > 3 && name.substr(0, 3) == "mnu" &&
        name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789", 3) == std::string_view::npos;
    if (!looks_right) {
      Error("menu needs an item name such as mnuV_AREA");
      return;
    }
    ScriptStep step;
    step.kind = ScriptStep::Kind::kMenu;
    step.target = std::string(name);
    step.line = line_;
    out_.steps.push_back(step);
  }

  void Pair(ScriptStep::Kind kind, std::string_view arg) {
    int values[2] = {0, 0};
    std::string_view rest = arg;
    for (int& v : values) {
      const auto space = rest.find(' ');
      const std::string_view word = rest.substr(0, space);
      const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
      if (word.empty() || ec != std::errc() || end != word.data() + word.size()) {
        Error("expected two whole numbers (pixels)");
        return;
      }
      rest = space == std::string_view::npos ? std::string_view{} : Trim(rest.substr(space));
    }
    if (!rest.empty()) {
      Error("expected two whole numbers (pixels)");
      return;
    }
    ScriptStep step;
    step.kind = kind;
    step.x = values[0];
    step.y = values[1];
    step.line = line_;
    out_.steps.push_back(step);
  }

  void Simple(ScriptStep::Kind kind, std::string target, int x, std::string_view arg) {
    if (!arg.empty()) {
      Error("this command takes nothing after it");
      return;
    }
    ScriptStep step;
    step.kind = kind;
    step.target = std::move(target);
    step.x = x;
    step.line = line_;
    out_.steps.push_back(step);
  }

  void Error(std::string message) { out_.errors.push_back({line_, std::move(message)}); }

  ParsedScript& out_;
  int line_;
};

}  // namespace

ParsedScript ParseScript(std::string_view text) {
  ParsedScript out;
  int line = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const auto end = text.find('\n', pos);
    const std::string_view raw =
        text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    ++line;
    const std::string_view body = Trim(raw);
    if (!body.empty() && body.front() != '#') LineParser(out, line).Parse(body);
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  return out;
}

}  // namespace orvo::headless
