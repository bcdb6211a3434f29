#include "platform/headless/key_script.h"

#include <charconv>
#include <sstream>

#include "platform/headless/key_names.h"

namespace orvo::headless {
namespace {

constexpr std::string_view kClickTargets[] = {"cmdTYPE", "cmdIME", "lblMODE"};

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
