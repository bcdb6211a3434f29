// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/options.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "frontends/shared/options_texts.h"

namespace orvo::options {
namespace {

enum class Shared { kHelp, kVersion, kFolder, kEngine, kCodePage };

struct SharedRow {
  std::string_view name;
  Shared option;
  bool takes_value;
};

constexpr std::array<SharedRow, 6> kShared = {{
    {"--help", Shared::kHelp, false},
    {"-h", Shared::kHelp, false},
    {"--version", Shared::kVersion, false},
    {"--folder", Shared::kFolder, true},
    {"--engine", Shared::kEngine, true},
    {"--codepage", Shared::kCodePage, true},
}};

void TakeShared(Shared option, const std::string& value, CommandLine& line) {
  switch (option) {
    case Shared::kHelp:
      line.help = true;
      break;
    case Shared::kVersion:
      line.version = true;
      break;
    case Shared::kFolder:
      line.folder = value;
      break;
    case Shared::kEngine:
      line.engine = emu::ParseEngineChoice(value);
      if (!line.engine) line.bad_engine = value;
      break;
    case Shared::kCodePage:
      line.code_page = emu::ParseCodePage(value);
      if (!line.code_page) line.bad_code_page = value;
      break;
  }
}

}  // namespace

std::string CommandLine::Value(std::string_view option) const {
  const auto found = own.find(option);
  return found == own.end() ? std::string() : found->second;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, std::span<const OptionRow> own) {
  CommandLine line;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto shared = std::ranges::find(kShared, std::string_view(arg), &SharedRow::name);
    const auto mine = std::ranges::find(own, std::string_view(arg), &OptionRow::name);
    const bool is_shared = shared != kShared.end();
    const bool is_mine = mine != own.end();
    const bool takes_value = (is_shared && shared->takes_value) || (is_mine && mine->takes_value);
    if ((is_shared || is_mine) && takes_value && i + 1 >= args.size()) {
      if (!line.unknown) {
        line.unknown = arg;
        line.value_missing = true;
      }
    } else if (is_shared) {
      TakeShared(shared->option, takes_value ? args[++i] : std::string(), line);
    } else if (is_mine) {
      line.own[arg] = takes_value ? args[++i] : std::string();
    } else if (!arg.starts_with("--")) {
      line.words.push_back(arg);
    } else if (!line.unknown) {
      line.unknown = arg;
    }
  }
  return line;
}

std::vector<std::string> Arguments(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
  return args;
}

namespace {

// One of the texts' printf formats with the program's name and the word it names.
std::string Formatted(const char* format, const std::string& name, const std::string& word) {
  const int size = std::snprintf(nullptr, 0, format, name.c_str(), word.c_str());
  if (size <= 0) return {};
  std::string out(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(out.data(), out.size(), format, name.c_str(), word.c_str());
  out.pop_back();
  return out;
}

}  // namespace

std::string WrongText(const CommandLine& line, std::string_view program) {
  const std::string name(program);
  std::string out;
  if (line.unknown) {
    out += Formatted(line.value_missing ? texts::kValueMissing : texts::kUnknownArgument, name, *line.unknown);
  }
  if (line.bad_engine) out += Formatted(texts::kUnknownEngine, name, *line.bad_engine);
  if (line.bad_code_page) out += Formatted(texts::kUnknownCodePage, name, *line.bad_code_page);
  return out;
}

void ReportWrong(const CommandLine& line, std::string_view program, std::FILE* out) {
  std::fputs(WrongText(line, program).c_str(), out);
}

}  // namespace orvo::options
