// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/engine_choice.h"

#include <algorithm>
#include <cctype>

#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/emulated/ime/fallback_engine.h"
#include "platform/emulated/mozc/mozc_start.h"

namespace orvo::emu {
namespace {

struct ChoiceName {
  std::string_view name;
  EngineChoice choice;
};

constexpr ChoiceName kChoiceNames[] = {
    {"auto", EngineChoice::kAuto},
    {"mozc", EngineChoice::kMozc},
    {"anthy", EngineChoice::kAnthy},
};

}  // namespace

std::optional<EngineChoice> ParseEngineChoice(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  for (const ChoiceName& row : kChoiceNames) {
    if (row.name == lower) return row.choice;
  }
  return std::nullopt;
}

StartedEngine StartEngine(const EngineRequest& request) {
  StartedEngine out;
  std::unique_ptr<ConversionEngine> anthy = MakeAnthyEngine(
      {request.anthy_folder, request.learning, request.anthy_dictionary}, &out.anthy_error);
  if (request.choice != EngineChoice::kAnthy) {
    mozc::MozcOptions options;
    options.learning = request.learning;
    std::unique_ptr<ConversionEngine> mozc = mozc::MakeMozcEngine(options, &out.mozc_error);
    if (mozc) {
      out.engine = std::make_unique<FallbackEngine>(std::move(mozc), std::move(anthy),
                                                    request.on_mozc_lost);
      out.name = "mozc";
      return out;
    }
  }
  if (anthy) out.name = "anthy";
  out.engine = std::move(anthy);
  return out;
}

}  // namespace orvo::emu
