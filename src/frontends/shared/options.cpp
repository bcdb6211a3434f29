// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/options.h"

#include <algorithm>
#include <array>

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

void ReportWrong(const CommandLine& line, std::string_view program, std::FILE* out) {
  const std::string name(program);
  if (line.unknown) {
    std::fprintf(out, line.value_missing ? texts::kValueMissing : texts::kUnknownArgument, name.c_str(),
                 line.unknown->c_str());
  }
  if (line.bad_engine) std::fprintf(out, texts::kUnknownEngine, name.c_str(), line.bad_engine->c_str());
  if (line.bad_code_page) std::fprintf(out, texts::kUnknownCodePage, name.c_str(), line.bad_code_page->c_str());
}

}  // namespace orvo::options
