// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/engine_choice.h"

#include <algorithm>
#include <cctype>


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

}  // namespace orvo::emu
