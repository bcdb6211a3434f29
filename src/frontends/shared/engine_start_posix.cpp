// SPDX-License-Identifier: GPL-3.0-or-later
// The engines of a Linux desktop: mozc when the user has it, anthy always.
#include "frontends/shared/engine_choice.h"
#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/emulated/anthy/anthy_reverse.h"
#include "platform/emulated/ime/fallback_engine.h"
#include "platform/emulated/mozc/mozc_start.h"

namespace orvo::emu {

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

std::unique_ptr<TextReadings> StartTextReadings(const EngineRequest& request) {
  std::string ignored;  // without readings the review key describes a line instead
  return MakeAnthyReverse({request.anthy_folder, request.learning, request.anthy_dictionary}, &ignored);
}

}  // namespace orvo::emu
