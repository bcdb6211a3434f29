// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program on the emulated desktop, put together once for every front end
// that uses it: the conversion engine, the code page, the desktop, its IME,
// the platform and the program. A front end brings its own host, screen,
// shell and fonts, and feeds the desktop's input queue.
#include <memory>
#include <optional>
#include <string>

#include "app/program.h"
#include "platform/timer.h"
#include "platform/emulated/desktop.h"
#include "platform/emulated/emulated_ime.h"
#include "platform/emulated/ime/conversion_engine.h"
#include "frontends/shared/data_files.h"
#include "frontends/shared/engine_choice.h"
#include "platform/emulated/system_code_page.h"
#include "platform/native/native_services.h"
#include "platform/text_readings.h"

namespace orvo::emu {

struct SystemOptions {
  std::string folder;  // the program folder; anthy learns there
  // Kana-kanji conversion by anthy; off: the IME offers the reading's kana only.
  bool kanji_conversion = false;
  bool learning = false;
  std::string dictionary;  // empty: the one installed
  // The system code page, which new texts take; none: the settings file's
  // [SETTING] CodePage, and without one the locale's charset.
  std::optional<CodePage> code_page;
  // The program's data folder; empty: the one beside the running program.
  std::string data_folder;
  // The engine asked for on the command line; none: the settings file's
  // [SETTING] Engine, and without one `default_engine`.
  std::optional<EngineChoice> engine;
  EngineChoice default_engine = EngineChoice::kAnthy;
};

// What only the front end has; it must outlive the system.
struct FrontEndParts {
  AppHost& host;
  Screen& screen;
  Shell& shell;
  FontMetrics& fonts;
  CommonDialogs& dialogs;
  FontRegistry& font_files;
  Clipboard* clipboard = nullptr;  // the system clipboard; none: the desktop's own model
};

class EmulatedSystem {
 public:
  EmulatedSystem(const SystemOptions& options, const FrontEndParts& parts);
  EmulatedSystem(const EmulatedSystem&) = delete;
  EmulatedSystem& operator=(const EmulatedSystem&) = delete;

  // Start-up; then, when conversion was asked for and is unavailable, the
  // program's warning. False when start-up refused.
  bool StartProgram();

  std::string engine_error;                  // why conversion is unavailable, if it is
  std::string mozc_error;                    // why mozc is not converting, when it was asked for
  std::string engine_name;                   // "mozc", "anthy", or empty for kana only
  std::unique_ptr<ConversionEngine> engine;  // outlives the text boxes that use it
  std::unique_ptr<TextReadings> readings;     // readings of written text, with the engine
  native::FileSystem files;
  ConvertingCodePage code_page;
  ConvertingCodePage utf8_code_page{CodePage::kUtf8};
  ConvertingCodePage cp932_code_page{CodePage::kCp932};
  DataFiles data;
  Desktop desktop;
  EmulatedIme ime;
  Platform platform;
  Program program;

 private:
  void StartEngine(const SystemOptions& options);
  // Said after the key that found mozc gone, not in the middle of it.
  Timer mozc_lost_notice_;
  bool warn_no_engine_ = false;  // conversion was asked for and a dictionary is missing
  bool mozc_refused_ = false;  // asked for by name and not usable
  std::string fallback_name_;  // the engine converting once mozc is lost
};

}  // namespace orvo::emu
