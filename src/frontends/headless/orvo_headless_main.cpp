// orvo-headless: runs the editor on the emulated desktop, feeds it a key
// script and prints the state at the end.
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "frontends/headless/describe_command.h"
#include "frontends/headless/headless_texts.h"
#include "frontends/headless/key_script.h"
#include "frontends/headless/script_run.h"
#include "frontends/headless/session.h"
#include "frontends/headless/state_dump.h"
#include "platform/posix/data_folder.h"

namespace {

using namespace orvo::headless::texts;

struct Options {
  std::string folder;
  std::string codepage;  // empty: the settings file's, else the locale's
  std::string dictionary;
  bool json = false;
  std::string script_path;
  std::string open;  // the file to open at start
  std::optional<std::string> font_folder;  // none: the data folder
  bool font_installed = false;
  std::optional<orvo::emu::EngineChoice> engine;  // none: the settings file's, else anthy
  std::optional<std::string> describe;  // --describe TEXT: describe it and stop
};

bool ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--json") {
      o.json = true;
    } else if (arg == "--open" && i + 1 < argc) {
      // Relative to where the editor was started, as a command line's path is.
      o.open = std::filesystem::absolute(argv[++i]).string();
    } else if ((arg == "--folder" || arg == "--codepage" || arg == "--dictionary") && i + 1 < argc) {
      (arg == "--folder" ? o.folder : arg == "--codepage" ? o.codepage : o.dictionary) = argv[++i];
    } else if (arg == "--engine" && i + 1 < argc) {
      o.engine = orvo::emu::ParseEngineChoice(argv[++i]);
      if (!o.engine) {
        std::cerr << kUnknownEngine << argv[i] << kEngines;
        return false;
      }
    } else if (arg == "--font-folder" && i + 1 < argc) {
      o.font_folder = argv[++i];
    } else if (arg == "--describe" && i + 1 < argc) {
      o.describe = argv[++i];
    } else if (arg == "--font-installed") {
      o.font_installed = true;
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      std::exit(0);
    } else if (arg == "--version") {
      const auto data = orvo::posix::FindOwnDataFolder();
      std::cout << kProgramName << " " << orvo::posix::ProgramVersion() << "\n"
                << kDataLine << (data.path.empty() ? data.problem : data.path.string()) << "\n";
      std::exit(0);
    } else if (!arg.starts_with("--") && o.script_path.empty()) {
      o.script_path = arg;
    } else {
      std::cerr << kUnknownArgument << arg << "'\n" << kUsage;
      return false;
    }
  }
  if (!o.codepage.empty() && !orvo::emu::ParseCodePage(o.codepage)) {
    std::cerr << kUnknownCodePage << o.codepage << kCodePages;
    return false;
  }
  return true;
}

// A fresh program folder, removed again when the run ends.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvo-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");  // the locale's charset, for --codepage locale
  Options options;
  if (!ParseArgs(argc, argv, options)) return 2;
  if (options.describe) return orvo::headless::DescribeCommand(*options.describe, std::cout, std::cerr);

  if (const auto data = orvo::posix::FindOwnDataFolder(); data.path.empty()) {
    std::cerr << kProgramName << ": " << data.problem << "\n";
  }

  std::string script;
  if (options.script_path.empty()) {
    // Someone at a terminal would otherwise see nothing happen.
    if (isatty(STDIN_FILENO)) {
      std::cerr << "orvo-headless: reading a key script from the terminal; end it with Ctrl+D.\n";
    }
    script.assign(std::istreambuf_iterator<char>(std::cin), {});
  } else {
    std::ifstream in(options.script_path, std::ios::binary);
    if (!in) {
      std::cerr << kCannotRead << options.script_path << "\n";
      return 2;
    }
    script.assign(std::istreambuf_iterator<char>(in), {});
  }
  const std::string name = options.script_path.empty() ? kStdinName : options.script_path;
  const orvo::headless::ParsedScript parsed = orvo::headless::ParseScript(script);
  if (!parsed.errors.empty()) {
    for (const auto& e : parsed.errors) std::cerr << name << ":" << e.line << ": error: " << e.message << "\n";
    return 2;
  }

  TempFolder temp;
  std::string folder = options.folder;
  if (folder.empty()) {
    folder = temp.Path();
  } else {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
  }
  if (folder.empty() || !std::filesystem::is_directory(folder)) {
    std::cerr << kNoFolder << folder << "'\n";
    return 2;
  }

  orvo::headless::SessionOptions session_options;
  session_options.kanji_conversion = true;
  session_options.learning = true;  // into the program folder, never the user's home
  session_options.dictionary = options.dictionary;
  session_options.engine = options.engine;
  session_options.code_page =
      options.codepage.empty() ? std::nullopt : orvo::emu::ParseCodePage(options.codepage);
  session_options.font_folder = options.font_folder;
  session_options.font_installed = options.font_installed;
  const orvo::headless::ScriptRun run = orvo::headless::RunScript(
      folder, orvo::FromUtf8(options.open), parsed.steps, session_options,
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
