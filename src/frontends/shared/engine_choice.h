// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which engine converts kana to kanji, chosen once at start: mozc when the
// user has it and it answers, anthy otherwise, or one of them by name (the
// settings file's [SETTING] Engine, which the --engine option overrides).
// mozc is wrapped so that, should it stop answering, anthy goes on converting.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/emulated/ime/conversion_engine.h"
#include "platform/text_readings.h"

namespace orvo::emu {

enum class EngineChoice { kAuto, kMozc, kAnthy };

// "auto", "mozc" or "anthy", in any letter case; nullopt for anything else.
std::optional<EngineChoice> ParseEngineChoice(std::string_view name);

struct EngineRequest {
  EngineChoice choice = EngineChoice::kAnthy;
  std::string anthy_folder;  // anthy's data folder (it learns there)
  bool learning = false;     // choices teach the engine (mozc: in the user's own profile)
  std::string anthy_dictionary;
  // Told once when mozc stops answering and anthy takes over.
  std::function<void()> on_mozc_lost;
};

struct StartedEngine {
  std::unique_ptr<ConversionEngine> engine;  // null: kana only
  std::string name;                          // "mozc", "anthy" or empty
  std::string anthy_error;                   // why anthy is unavailable, if it is
  std::string mozc_error;                    // why mozc was not taken, when it was considered
  std::string not_built;                     // why this build has no engine at all (nothing to warn of)
};

// The engine asked for, as this system has it (engine_start_posix.cpp,
// engine_start_win32.cpp).
StartedEngine StartEngine(const EngineRequest& request);

// Readings of written text from the engine's dictionary, for the review key;
// null where there are none.
std::unique_ptr<TextReadings> StartTextReadings(const EngineRequest& request);

}  // namespace orvo::emu
