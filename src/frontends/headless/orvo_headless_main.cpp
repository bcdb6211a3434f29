// SPDX-License-Identifier: GPL-3.0-or-later
// orvo-headless: runs the editor on the emulated desktop, feeds it a key
// script and prints the state at the end.
#include <clocale>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "frontends/headless/describe_command.h"
#include "frontends/script/script_source.h"
#include "frontends/shared/options.h"
#include "frontends/headless/headless_texts.h"
#include "frontends/headless/script_run.h"
#include "frontends/headless/session.h"
#include "frontends/headless/state_dump.h"
#include "platform/fresh_folder.h"
#include "platform/native/native_services.h"

namespace {

using namespace orvo::headless::texts;

// orvo-headless's own options, beside the ones both programs take.
constexpr orvo::options::OptionRow kOwnOptions[] = {
    {"--json", false},       {"--open", true},          {"--dictionary", true},
    {"--font-folder", true}, {"--font-installed", false}, {"--describe", true},
};

struct Options {
  std::string folder;
  std::optional<orvo::emu::CodePage> code_page;  // none: the settings file's, else the locale's
  std::string dictionary;
  bool json = false;
  std::string script_path;
  std::string open;  // the file to open at start
  std::optional<std::string> font_folder;  // none: the data folder
  bool font_installed = false;
  std::optional<orvo::emu::EngineChoice> engine;  // none: the settings file's, else anthy
  std::optional<std::string> describe;  // --describe TEXT: describe it and stop
};

// 0 or 2 when the run ends here (help, the version, a wrong command line).
std::optional<int> ParseArgs(const std::vector<std::string>& args, Options& o) {
  orvo::options::CommandLine line = orvo::options::ParseCommandLine(args, kOwnOptions);
  if (line.help) {
    std::cout << kUsage;
    return 0;
  }
  if (line.version) {
    const auto data = orvo::native::FindOwnDataFolder();
    std::cout << kProgramName << " " << orvo::native::ProgramVersion() << "\n"
              << kDataLine << (data.path.empty() ? data.problem : orvo::native::PathToUtf8(data.path)) << "\n";
    return 0;
  }
  // One script at most.
  if (line.words.size() > 1 && !line.unknown) line.unknown = line.words[1];
  if (line.Wrong()) {
    std::cerr << orvo::options::WrongText(line, kProgramName);
    if (line.unknown) std::cerr << kUsage;
    return 2;
  }
  o.folder = line.folder;
  o.engine = line.engine;
  o.code_page = line.code_page;
  o.dictionary = line.Value("--dictionary");
  o.json = line.Has("--json");
  // Relative to where the editor was started, as a command line's path is.
  if (line.Has("--open")) {
    o.open = orvo::native::PathToUtf8(std::filesystem::absolute(orvo::native::PathFromUtf8(line.Value("--open"))));
  }
  if (line.Has("--font-folder")) o.font_folder = line.Value("--font-folder");
  o.font_installed = line.Has("--font-installed");
  if (line.Has("--describe")) o.describe = line.Value("--describe");
  if (!line.words.empty()) o.script_path = line.words.front();
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");  // the locale's charset, for --codepage locale
  orvo::native::UseBinaryStandardStreams();  // scripts and JSON byte for byte, as on every system
  orvo::native::UseConsoleStreams();         // messages a console shows in its own characters
  Options options;
  if (const auto status = ParseArgs(orvo::native::Utf8Arguments(argc, argv), options)) return *status;
  if (options.describe) return orvo::headless::DescribeCommand(*options.describe, std::cout, std::cerr);

  if (const auto data = orvo::native::FindOwnDataFolder(); data.path.empty()) {
    std::cerr << kProgramName << ": " << data.problem << "\n";
  }

  std::string script;
  if (options.script_path.empty()) {
    // Someone at a terminal would otherwise see nothing happen.
    if (orvo::native::StandardInputIsTerminal()) {
      std::cerr << kReadingTerminal;
    }
    script.assign(std::istreambuf_iterator<char>(std::cin), {});
  } else {
    auto text = orvo::script::ReadScriptFile(options.script_path);
    if (!text) {
      std::cerr << kCannotRead << options.script_path << "\n";
      return 2;
    }
    script = std::move(*text);
  }
  const std::string name = options.script_path.empty() ? kStdinName : options.script_path;
  const auto steps = orvo::script::ParseOrReport(script, name, std::cerr);
  if (!steps) return 2;

  const orvo::FreshFolder temp("orvo-");  // the program folder when none is given, removed at the end
  std::string folder = options.folder;
  if (folder.empty()) {
    folder = orvo::native::PathToUtf8(temp.Path());
  } else {
    std::error_code ec;
    std::filesystem::create_directories(orvo::native::PathFromUtf8(folder), ec);
  }
  if (folder.empty() || !std::filesystem::is_directory(orvo::native::PathFromUtf8(folder))) {
    std::cerr << kNoFolder << folder << "'\n";
    return 2;
  }

  orvo::headless::SessionOptions session_options;
  session_options.kanji_conversion = true;
  session_options.learning = true;  // into the program folder, never the user's home
  session_options.dictionary = options.dictionary;
  session_options.engine = options.engine;
  session_options.code_page = options.code_page;
  session_options.font_folder = options.font_folder;
  session_options.font_installed = options.font_installed;
  const orvo::headless::ScriptRun run = orvo::headless::RunScript(
      folder, orvo::FromUtf8(options.open), *steps, session_options,
      [](orvo::headless::Session& started) { started.host.EchoMessages(true); });
  orvo::headless::Session& session = *run.session;

  if (options.json) {
    std::cout << orvo::headless::DumpState(session).dump(2) << "\n";
  } else if (session.program.HasMainWindow()) {
    std::cout << orvo::ToUtf8(session.Text()) << "\n";
  }
  if (const auto& failed = session.Failed()) {
    std::cerr << name << ":" << failed->line << ": " << failed->message << "\n";
    return 1;
  }
  return 0;
}
