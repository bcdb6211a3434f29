// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/key_script.h"

#include <charconv>

#include "platform/emulated/physical_keys.h"
#include "frontends/script/expectations.h"
#include "platform/text.h"

namespace orvo::script {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

// The line up to its comment: a '#' that opens the line or follows a space or tab.
std::string_view WithoutComment(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) return line.substr(0, i);
  }
  return line;
}

// The first word and the rest after it, trimmed.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text) {
  const auto space = text.find_first_of(" \t");
  if (space == std::string_view::npos) return {text, {}};
  return {text.substr(0, space), Trim(text.substr(space))};
}

bool ParseInt(std::string_view word, int& value) {
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  return !word.empty() && ec == std::errc() && end == word.data() + word.size();
}

struct Escape {
  char16_t letter;
  char16_t unit;
};
constexpr Escape kEscapes[] = {
    {u'n', u'\n'}, {u'r', u'\r'}, {u't', u'\t'}, {u'\\', u'\\'}, {u'#', u'#'}, {u's', u' '},
};

// Resolves the escapes of an expected value; nothing when one is malformed.
std::optional<std::string> Unescape(std::string_view raw, std::string& error) {
  const ustring in = FromUtf8(raw);
  ustring out;
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (in[i] != u'\\') {
      out += in[i];
      continue;
    }
    if (++i == in.size()) {
      error = "a '\\' ends the value; write \\\\ for a backslash";
      return std::nullopt;
    }
    bool known = false;
    for (const Escape& e : kEscapes) {
      if (e.letter == in[i]) {
        out += e.unit;
        known = true;
      }
    }
    if (known) continue;
    if (in[i] == u'u' && i + 4 < in.size()) {
      const std::string hex = ToUtf8(in.substr(i + 1, 4));
      unsigned unit = 0;
      const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), unit, 16);
      if (hex.size() == 4 && ec == std::errc() && end == hex.data() + hex.size()) {
        out += static_cast<char16_t>(unit);
        i += 4;
        continue;
      }
    }
    error = "unknown escape '\\" + ToUtf8(in.substr(i, 1)) + "' (\\n \\r \\t \\s \\\\ \\# \\uXXXX)";
    return std::nullopt;
  }
  return ToUtf8(out);
}

}  // namespace

std::optional<ControlRef> ParseControlRef(std::string_view text) {
  ControlRef ref;
  ref.form = "frmMAIN";
  if (const auto dot = text.find('.'); dot != std::string_view::npos) {
    ref.form = std::string(text.substr(0, dot));
    text.remove_prefix(dot + 1);
    if (ref.form.empty()) return std::nullopt;
  }
  if (const auto open = text.find('['); open != std::string_view::npos) {
    if (text.back() != ']' || !ParseInt(text.substr(open + 1, text.size() - open - 2), ref.index) ||
        ref.index < 0) {
      return std::nullopt;
    }
    text = text.substr(0, open);
  }
  const bool word = !text.empty() && text.find_first_of(" \t.[]") == std::string_view::npos;
  if (!word) return std::nullopt;
  ref.control = std::string(text);
  return ref;
}

namespace {

bool IsMenuName(std::string_view name) {
  return name.size() > 3 && name.substr(0, 3) == "mnu" &&
         name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789", 3) == std::string_view::npos;
}

class LineParser {
 public:
  LineParser(ParsedScript& out, int line) : out_(out), line_(line) {}

  void Parse(std::string_view text) {
    const auto [verb, arg] = SplitWord(text);
    if (verb == "press" || verb == "release" || verb == "tap") {
      const emu::PhysicalKey* key = Key(arg);
      if (key == nullptr) return;
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
    } else if (verb == "dialog") {
      Dialog(arg);
    } else if (verb == "colour" || verb == "color") {
      Colour(arg);
    } else if (verb == "file") {
      File(arg);
    } else if (verb == "file-bytes") {
      FileBytes(arg);
    } else if (verb == "clipboard") {
      std::string error;
      const auto value = Unescape(arg, error);
      if (!value) {
        Error(error);
        return;
      }
      ScriptStep step = Step(ScriptStep::Kind::kClipboard);
      step.value = *value;
      out_.steps.push_back(step);
    } else if (verb == "drop") {
      if (arg.empty()) {
        Error("drop needs the names of the files dropped");
        return;
      }
      ScriptStep step = Step(ScriptStep::Kind::kDrop);
      step.value = std::string(arg);
      out_.steps.push_back(step);
    } else if (verb == "restart") {
      if (arg.find_first_of(" \t") != std::string_view::npos) {
        Error("restart takes at most one file name");
        return;
      }
      ScriptStep step = Step(ScriptStep::Kind::kRestart);
      step.value = std::string(arg);
      out_.steps.push_back(step);
    } else if (verb == "expect") {
      Expect(arg);
    } else {
      Error("unknown command '" + std::string(verb) + "'");
    }
  }

 private:
  const emu::PhysicalKey* Key(std::string_view name) {
    if (name.empty()) {
      Error("a key name is missing");
      return nullptr;
    }
    const emu::PhysicalKey* key = emu::FindKeyByName(name);
    if (key == nullptr) Error("unknown key '" + std::string(name) + "'");
    return key;
  }

  ScriptStep Step(ScriptStep::Kind kind) const {
    ScriptStep step;
    step.kind = kind;
    step.line = line_;
    return step;
  }

  void Push(const emu::PhysicalKey& key, bool up) {
    ScriptStep step = Step(ScriptStep::Kind::kKey);
    step.key = KeyEvent{key.vk, key.scan, up, false};
    out_.steps.push_back(step);
  }

  void Chord(std::string_view keys) {
    if (keys.empty()) {
      Error("chord needs its keys, e.g. 'chord FDS'");
      return;
    }
    std::vector<const emu::PhysicalKey*> found;
    for (char c : keys) {
      const emu::PhysicalKey* key = Key(std::string_view(&c, 1));
      if (key == nullptr) return;
      found.push_back(key);
    }
    for (const emu::PhysicalKey* key : found) Push(*key, false);
    for (const emu::PhysicalKey* key : found) Push(*key, true);
  }

  void Wait(std::string_view arg) {
    long long ms = 0;
    const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), ms);
    if (arg.empty() || ec != std::errc() || end != arg.data() + arg.size() || ms < 0) {
      Error("wait needs a number of milliseconds");
      return;
    }
    ScriptStep step = Step(ScriptStep::Kind::kWait);
    step.ms = ms;
    out_.steps.push_back(step);
  }

  void Click(std::string_view target) {
    const auto ref = ParseControlRef(target);
    if (!ref) {
      Error("click needs a control, e.g. 'click cmdTYPE' or 'click frmMsgEx.cmdBTN[1]'");
      return;
    }
    ScriptStep step = Step(ScriptStep::Kind::kClick);
    step.control = *ref;
    out_.steps.push_back(step);
  }

  void Menu(std::string_view name) {
    if (!IsMenuName(name)) {
      Error("menu needs an item name such as mnuV_AREA");
      return;
    }
    ScriptStep step = Step(ScriptStep::Kind::kMenu);
    step.target = std::string(name);
    out_.steps.push_back(step);
  }

  void Pair(ScriptStep::Kind kind, std::string_view arg) {
    const auto [first, rest] = SplitWord(arg);
    const auto [second, extra] = SplitWord(rest);
    ScriptStep step = Step(kind);
    if (!ParseInt(first, step.x) || !ParseInt(second, step.y) || !extra.empty()) {
      Error("expected two whole numbers (pixels)");
      return;
    }
    out_.steps.push_back(step);
  }

  void Simple(ScriptStep::Kind kind, std::string target, int x, std::string_view arg) {
    if (!arg.empty()) {
      Error("this command takes nothing after it");
      return;
    }
    ScriptStep step = Step(kind);
    step.target = std::move(target);
    step.x = x;
    out_.steps.push_back(step);
  }

  void Dialog(std::string_view arg) {
    if (arg.empty()) {
      Error("dialog needs a path, or cancel");
      return;
    }
    ScriptStep step = Step(ScriptStep::Kind::kDialog);
    step.y = arg == "cancel" ? 0 : 1;
    if (step.y == 1) {
      std::string error;
      const auto path = Unescape(arg, error);
      if (!path) {
        Error(error);
        return;
      }
      step.value = *path;
    }
    out_.steps.push_back(step);
  }

  void Colour(std::string_view arg) {
    ScriptStep step = Step(ScriptStep::Kind::kColour);
    if (arg == "cancel") {
      out_.steps.push_back(step);
      return;
    }
    const auto [r, rest] = SplitWord(arg);
    const auto [g, rest2] = SplitWord(rest);
    const auto [b, extra] = SplitWord(rest2);
    int red = 0, green = 0, blue = 0;
    const auto in_range = [](int v) { return v >= 0 && v <= 255; };
    if (!ParseInt(r, red) || !ParseInt(g, green) || !ParseInt(b, blue) || !extra.empty() ||
        !in_range(red) || !in_range(green) || !in_range(blue)) {
      Error("colour needs red, green and blue from 0 to 255, or cancel");
      return;
    }
    step.x = red + 256 * green + 65536 * blue;
    step.y = 1;
    out_.steps.push_back(step);
  }

  void File(std::string_view arg) {
    const auto [name, text] = SplitWord(arg);
    if (name.empty()) {
      Error("file needs a name and its text");
      return;
    }
    std::string error;
    const auto value = Unescape(text, error);
    if (!value) {
      Error(error);
      return;
    }
    ScriptStep step = Step(ScriptStep::Kind::kFile);
    step.target = std::string(name);
    step.value = *value;
    out_.steps.push_back(step);
  }

  void FileBytes(std::string_view arg) {
    const auto [name, hex] = SplitWord(arg);
    std::string bytes;
    int digits = 0;
    unsigned value = 0;
    for (const char c : hex) {
      if (c == ' ' || c == '\t') continue;
      unsigned digit = 0;
      const auto [end, ec] = std::from_chars(&c, &c + 1, digit, 16);
      if (ec != std::errc() || end != &c + 1) {
        Error("file-bytes takes its bytes in hexadecimal, two digits each");
        return;
      }
      value = value * 16 + digit;
      if (++digits % 2 == 0) {
        bytes += static_cast<char>(value);
        value = 0;
      }
    }
    if (name.empty() || digits % 2 != 0) {
      Error("file-bytes needs a name and its bytes in hexadecimal, two digits each");
      return;
    }
    ScriptStep step = Step(ScriptStep::Kind::kFile);
    step.target = std::string(name);
    step.value = std::move(bytes);
    step.x = 1;
    out_.steps.push_back(step);
  }

  void Expect(std::string_view arg) {
    auto [what, rest] = SplitWord(arg);
    const Expectation* kind = FindExpectation(what);
    if (kind == nullptr) {
      Error(what.empty() ? "expect needs what to check, e.g. 'expect text あ'"
                         : "cannot expect '" + std::string(what) + "'");
      return;
    }
    ScriptStep step = Step(ScriptStep::Kind::kExpect);
    step.target = std::string(what);
    if (kind->subject != Expectation::Subject::kNone) {
      const auto [subject, value] = SplitWord(rest);
      rest = value;
      if (kind->subject == Expectation::Subject::kMenu) {
        if (!IsMenuName(subject)) {
          Error("expect " + std::string(what) + " needs a menu item such as mnuHELP");
          return;
        }
        step.control.control = std::string(subject);
      } else if (kind->subject == Expectation::Subject::kForm) {
        if (subject.empty()) {
          Error("expect " + std::string(what) + " needs a window such as frmHELPER");
          return;
        }
        step.control.control = std::string(subject);
      } else if (kind->subject == Expectation::Subject::kFile) {
        if (subject.empty()) {
          Error("expect " + std::string(what) + " needs a file name");
          return;
        }
        step.control.control = std::string(subject);
      } else if (kind->subject == Expectation::Subject::kKey) {
        const emu::PhysicalKey* key = Key(subject);
        if (key == nullptr) return;
        step.key = KeyEvent{key->vk, key->scan, false, false};
      } else if (const auto ref = ParseControlRef(subject)) {
        step.control = *ref;
      } else {
        Error("expect " + std::string(what) + " needs a control, e.g. frmMAIN.lblMODE");
        return;
      }
    }
    if (!Value(*kind, rest, step.value)) return;
    out_.steps.push_back(step);
  }

  bool Value(const Expectation& kind, std::string_view raw, std::string& value) {
    int number = 0;
    switch (kind.value) {
      case Expectation::Value::kSwitch:
        if (raw == "on" || raw == "off") {
          value = std::string(raw);
          return true;
        }
        Error("expect " + std::string(kind.name) + " takes on or off");
        return false;
      case Expectation::Value::kNumber:
        if (ParseInt(raw, number)) {
          value = std::to_string(number);
          return true;
        }
        Error("expect " + std::string(kind.name) + " takes a whole number");
        return false;
      case Expectation::Value::kText:
        break;
    }
    std::string error;
    const auto text = Unescape(raw, error);
    if (!text) {
      Error(error);
      return false;
    }
    value = *text;
    return true;
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
    const std::string_view body = Trim(WithoutComment(raw));
    if (!body.empty()) LineParser(out, line).Parse(body);
    if (end == std::string_view::npos) break;
    pos = end + 1;
  }
  return out;
}

std::string ShowValue(std::string_view utf8) {
  ustring out;
  for (char16_t c : FromUtf8(utf8)) {
    bool named = false;
    for (const Escape& e : kEscapes) {
      if (e.unit == c && e.unit != u'#' && e.unit != u' ') {
        out += u'\\';
        out += e.letter;
        named = true;
      }
    }
    if (named) continue;
    if (c < 0x20 || c == 0x7F || c == 0x3000) {
      constexpr char16_t kHex[] = u"0123456789ABCDEF";
      out += u"\\u";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
    } else {
      out += c;
    }
  }
  return ToUtf8(out);
}

}  // namespace orvo::script
