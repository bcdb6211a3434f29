// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/script_source.h"

#include <fstream>
#include <iterator>

namespace orvo::script {

std::optional<std::string> ReadScriptFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(std::istreambuf_iterator<char>(in), {});
  if (in.bad()) return std::nullopt;
  return text;
}

std::optional<std::vector<ScriptStep>> ParseOrReport(std::string_view text, std::string_view name, std::ostream& errors) {
  ParsedScript parsed = ParseScript(text);
  for (const ScriptError& e : parsed.errors) errors << name << ":" << e.line << ": error: " << e.message << "\n";
  if (!parsed.errors.empty()) return std::nullopt;
  return std::move(parsed.steps);
}

}  // namespace orvo::script
