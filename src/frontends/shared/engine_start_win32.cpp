// SPDX-License-Identifier: GPL-3.0-or-later
// On Windows the emulated desktop converts no kanji: neither anthy nor mozc
// is built there (the real program uses the system's IME). Its IME offers
// the reading's kana, as with conversion switched off, and says nothing of a
// missing dictionary.
#include "frontends/shared/engine_choice.h"

namespace orvo::emu {
namespace {

constexpr char kNoEngineOnWindows[] = "the Windows build has no kanji engine: the system's IME converts there";

}  // namespace

StartedEngine StartEngine(const EngineRequest&) {
  StartedEngine out;
  out.not_built = kNoEngineOnWindows;
  return out;
}

std::unique_ptr<TextReadings> StartTextReadings(const EngineRequest&) { return nullptr; }

}  // namespace orvo::emu
