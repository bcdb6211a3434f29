// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profile_text.h"

#include <limits>

namespace orvo::settings {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// The name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> KeyOf(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == ';' || line.front() == '#' || line.front() == '[') {
    return std::nullopt;
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view key = Trim(line.substr(0, equals));
  if (key.empty()) return std::nullopt;
  return KeyLine{key, Trim(line.substr(equals + 1))};
}

}  // namespace

ProfileText::ProfileText(std::string bytes) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t stop = bytes.find_first_of("\r\n", start);
    if (stop == std::string::npos) {
      lines_.push_back({bytes.substr(start), {}});
      break;
    }
    const std::size_t end_length = bytes.compare(stop, 2, "\r\n") == 0 ? 2 : 1;
    lines_.push_back({bytes.substr(start, stop - start), bytes.substr(stop, end_length)});
    start = stop + end_length;
  }
  newline_ = OwnLineEnd();
}

// The line end most of the sections and keys have (on a tie CR LF, then LF):
// a stray CR or LF in a damaged line does not decide it. A text without any
// takes CR LF when it has one anywhere, else LF.
std::string ProfileText::OwnLineEnd() const {
  int crlf = 0;
  int lf = 0;
  int cr = 0;
  bool any_crlf = false;
  for (const Line& line : lines_) {
    any_crlf = any_crlf || line.end == "\r\n";
    if (line.end.empty() || (!SectionName(line.text) && !KeyOf(line.text))) continue;
    ++(line.end == "\r\n" ? crlf : line.end == "\n" ? lf : cr);
  }
  if (crlf + lf + cr == 0) return any_crlf ? "\r\n" : "\n";
  return crlf >= lf && crlf >= cr ? "\r\n" : lf >= cr ? "\n" : "\r";
}

std::optional<ProfileText::Found> ProfileText::Find(std::string_view section,
                                                    std::string_view key) const {
  std::optional<std::size_t> first_section;
  bool inside = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionName(lines_[i].text)) {
      inside = SameName(*name, section);
      if (inside && !first_section) first_section = i;
      continue;
    }
    if (!inside) continue;
    if (const auto line = KeyOf(lines_[i].text); line && SameName(line->key, key)) {
      return Found{*first_section, i};
    }
  }
  if (!first_section) return std::nullopt;
  return Found{*first_section, std::nullopt};
}

std::optional<std::string> ProfileText::Value(std::string_view section, std::string_view key) const {
  const auto found = Find(section, key);
  if (!found || !found->key_line) return std::nullopt;
  return std::string(KeyOf(lines_[*found->key_line].text)->value);
}

std::size_t ProfileText::EndOfSection(std::size_t header) const {
  std::size_t after_last = header + 1;
  for (std::size_t i = header + 1; i < lines_.size(); ++i) {
    if (SectionName(lines_[i].text)) break;
    if (!Trim(lines_[i].text).empty()) after_last = i + 1;
  }
  return after_last;
}

void ProfileText::Insert(std::size_t at, std::string text) {
  if (at == lines_.size() && !lines_.empty() && lines_.back().end.empty()) {
    lines_.back().end = newline_;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

void ProfileText::Set(std::string_view section, std::string_view key, std::string_view value) {
  // A line end inside the value would make the rest of it a line of its own.
  value = value.substr(0, value.find_first_of("\r\n"));
  const auto found = Find(section, key);
  if (found && found->key_line) {
    Line& line = lines_[*found->key_line];
    std::string text(KeyOf(line.text)->key);  // the key as the file spells it
    text += '=';
    text += value;
    line.text = std::move(text);
    return;
  }
  std::string text(key);
  text += '=';
  text += value;
  if (found) {
    Insert(EndOfSection(found->section_line), std::move(text));
    return;
  }
  if (!lines_.empty() && !Trim(lines_.back().text).empty()) Insert(lines_.size(), {});
  std::string header = "[";
  header += section;
  header += ']';
  Insert(lines_.size(), std::move(header));
  Insert(lines_.size(), std::move(text));
}

std::string ProfileText::Bytes() const {
  std::string bytes;
  for (const Line& line : lines_) {
    bytes += line.text;
    bytes += line.end;
  }
  return bytes;
}

std::optional<std::int32_t> LeadingNumber(std::string_view value) {
  value = Trim(value);
  bool negative = false;
  if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
    negative = value.front() == '-';
    value.remove_prefix(1);
  }
  constexpr long long kLimit = static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1;
  long long number = 0;
  std::size_t digits = 0;
  for (; digits < value.size() && value[digits] >= '0' && value[digits] <= '9'; ++digits) {
    number = number * 10 + (value[digits] - '0');
    if (number > kLimit) return std::nullopt;
  }
  if (digits == 0) return std::nullopt;
  if (negative) number = -number;
  if (number > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(number);
}

}  // namespace orvo::settings
