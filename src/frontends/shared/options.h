// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of both programs: the options they share (the program
// folder, the conversion engine, the code page, help and the version) read
// once here, each program's own options from the table it gives, and the
// words that are not options kept for the program to read.
#include <cstdio>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frontends/shared/engine_choice.h"
#include "platform/emulated/edit/codepage.h"

namespace orvo::options {

// One option a program takes beyond the shared ones.
struct OptionRow {
  std::string_view name;  // --json
  bool takes_value;       // the next word is its value
};

struct CommandLine {
  bool help = false;     // --help or -h
  bool version = false;  // --version
  std::string folder;    // --folder DIR; empty: the program's own choice
  std::optional<emu::EngineChoice> engine;  // --engine auto|mozc|anthy
  std::optional<emu::CodePage> code_page;    // --codepage CP932|UTF-8|locale
  // The program's own options as given: a flag's value is empty. The last of
  // an option given twice counts.
  std::map<std::string, std::string, std::less<>> own;
  // The words that are not options, in order.
  std::vector<std::string> words;
  // The first word that could not be taken.
  std::optional<std::string> unknown;
  // It is an option that wants a value, and the line ended before one came.
  bool value_missing = false;
  std::optional<std::string> bad_engine;
  std::optional<std::string> bad_code_page;

  bool Has(std::string_view option) const { return own.find(option) != own.end(); }
  // The value of one of the program's own options; empty when not given.
  std::string Value(std::string_view option) const;
  // Anything that makes the command line unusable.
  bool Wrong() const { return unknown || bad_engine || bad_code_page; }
};

// args: the program's arguments, its name excluded. An option that takes a
// value but ends the line is an unknown argument, said to want its value.
CommandLine ParseCommandLine(const std::vector<std::string>& args, std::span<const OptionRow> own);
// argv as main has it.
std::vector<std::string> Arguments(int argc, char** argv);

// Says on `out` what is wrong with the command line, the program's name first;
// nothing when it is right.
void ReportWrong(const CommandLine& line, std::string_view program, std::FILE* out);
// The same as text.
std::string WrongText(const CommandLine& line, std::string_view program);

}  // namespace orvo::options
