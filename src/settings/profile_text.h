// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A profile (INI) file as bytes in the system code page: "[section]" lines and
// "key=value" lines below them. Section and key names are matched without
// regard to the case of ASCII letters, names and values are read without the
// spaces and tabs around them, and a value is read whole, however long.
// Writing one key changes only that key's line (or adds one): every other
// line is kept byte for byte, with its own line end.
//
// Lines that are neither a section nor a key (blank lines, comments starting
// with ';' or '#', text without '=') are kept and otherwise ignored; so are
// keys before the first section. When a section or key appears twice, the
// first occurrence in the file is the one read and written. Quotes around a
// value are part of the value.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::settings {

class ProfileText {
 public:
  ProfileText() = default;
  explicit ProfileText(std::string bytes);

  // The value of the key, trimmed; nothing when the section or key is absent.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // Sets the key's value: rewrites its line, or adds the key at the end of its
  // section, or adds the section at the end of the text.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  std::string Bytes() const;

 private:
  struct Line {
    std::string text;
    std::string end;  // "\r\n", "\n", "\r", or empty for a last line without one
  };
  struct Found {
    std::size_t section_line;  // the section's header
    std::optional<std::size_t> key_line;
  };
  std::optional<Found> Find(std::string_view section, std::string_view key) const;
  std::size_t EndOfSection(std::size_t header) const;  // where a new key of it goes
  void Insert(std::size_t at, std::string text);
  std::string OwnLineEnd() const;

  std::vector<Line> lines_;
  std::string newline_ = "\n";  // the text's own line end (OwnLineEnd), for the lines added
};

// The number at the start of a value as the profile reader takes it: an
// optional sign and the digits that follow, whatever comes after them ("14pt"
// is 14). Nothing when the value does not start with a number or the number
// does not fit in 32 bits.
std::optional<std::int32_t> LeadingNumber(std::string_view value);

}  // namespace orvo::settings
