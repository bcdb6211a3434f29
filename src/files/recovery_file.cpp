// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/recovery_file.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace orvo::files {
namespace {

constexpr std::string_view kMagic = "ORVO-RECOVERY ";

std::uint64_t Check(std::string_view path, std::string_view text) {
  std::uint64_t hash = 14695981039346656037ULL;
  const auto mix = [&hash](std::string_view bytes) {
    for (const char c : bytes) {
      hash ^= static_cast<unsigned char>(c);
      hash *= 1099511628211ULL;
    }
  };
  mix(path);
  mix(std::string_view("\0", 1));
  mix(text);
  return hash;
}

std::string Hex(std::uint64_t value) {
  char out[17];
  std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(value));
  return out;
}

// Reads "KEY VALUE\n" at `at`; nothing when the line is not that key.
std::optional<std::string_view> Field(std::string_view bytes, std::size_t& at, std::string_view key) {
  const std::size_t end = bytes.find('\n', at);
  if (end == std::string_view::npos) return std::nullopt;
  std::string_view line = bytes.substr(at, end - at);
  if (line.size() < key.size() + 1 || line.substr(0, key.size()) != key || line[key.size()] != ' ') {
    return std::nullopt;
  }
  at = end + 1;
  return line.substr(key.size() + 1);
}

std::optional<std::uint64_t> Number(std::string_view digits, int base) {
  std::uint64_t value = 0;
  if (digits.empty()) return std::nullopt;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

// UTF-8 that comes back the same through the program's text, without NUL.
std::optional<ustring> Utf8Text(std::string_view bytes) {
  if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
  ustring text = FromUtf8(bytes);
  if (ToUtf8(text) != bytes) return std::nullopt;
  return text;
}

RecoveryDecoded Refused(RecoveryProblem problem) { return {std::nullopt, problem}; }

}  // namespace

std::string EncodeRecovery(const RecoveryRecord& record) {
  const std::string path = ToUtf8(record.path);
  const std::string text = ToUtf8(record.text);
  std::string out(kMagic);
  out += std::to_string(kRecoveryVersion) + "\n";
  out += "user " + record.user + "\n";
  out += "path " + path + "\n";
  out += std::string("ends ") + (record.ends == LineEnds::kLf ? "lf" : "asis") + "\n";
  out += "length " + std::to_string(text.size()) + "\n";
  out += "check " + Hex(Check(path, text)) + "\n\n";
  out += text;
  return out;
}

RecoveryDecoded DecodeRecovery(std::string_view bytes, std::string_view user) {
  if (static_cast<long long>(bytes.size()) > kMaxRecoveryBytes) return Refused(RecoveryProblem::kTooLarge);
  if (bytes.substr(0, kMagic.size()) != kMagic) return Refused(RecoveryProblem::kNotACopy);
  std::size_t at = 0;
  const std::size_t first_end = bytes.find('\n');
  if (first_end == std::string_view::npos) return Refused(RecoveryProblem::kDamaged);
  const auto version = Number(bytes.substr(kMagic.size(), first_end - kMagic.size()), 10);
  if (!version) return Refused(RecoveryProblem::kDamaged);
  if (*version != static_cast<std::uint64_t>(kRecoveryVersion)) return Refused(RecoveryProblem::kOtherVersion);
  at = first_end + 1;
  const auto who = Field(bytes, at, "user");
  const auto path = Field(bytes, at, "path");
  const auto ends = Field(bytes, at, "ends");
  const auto length = Field(bytes, at, "length");
  const auto check = Field(bytes, at, "check");
  if (!who || !path || !ends || !length || !check) return Refused(RecoveryProblem::kDamaged);
  if (*who != user) return Refused(RecoveryProblem::kOtherUser);
  if (*ends != "lf" && *ends != "asis") return Refused(RecoveryProblem::kDamaged);
  const auto size = Number(*length, 10);
  const auto sum = Number(*check, 16);
  if (!size || !sum || check->size() != 16) return Refused(RecoveryProblem::kDamaged);
  if (at >= bytes.size() || bytes[at] != '\n') return Refused(RecoveryProblem::kDamaged);
  ++at;
  const std::string_view text = bytes.substr(at);
  if (text.size() != *size || Check(*path, text) != *sum) return Refused(RecoveryProblem::kDamaged);
  auto path_text = Utf8Text(*path);
  auto body = Utf8Text(text);
  if (!path_text || !body || path_text->find(u'\n') != ustring::npos) return Refused(RecoveryProblem::kDamaged);
  RecoveryRecord record;
  record.text = std::move(*body);
  record.path = std::move(*path_text);
  record.ends = *ends == "lf" ? LineEnds::kLf : LineEnds::kAsIs;
  record.user = std::string(*who);
  return {std::move(record), RecoveryProblem::kNone};
}

}  // namespace orvo::files
