// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary key streams through the whole program: chords in every mode into
// the cell conversion and the IME emulator, editing and function keys,
// modifiers held and let go, menus, message boxes answered. Whatever comes,
// nothing crashes, and once the keys are up no modifier stays down.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_session.h"
#include "platform/keys.h"

namespace {

constexpr const char* kKeys[] = {
    "F", "D", "S", "J", "K", "L", "Space", "N", "H", "G", "U", "I", "O", "M", "A", "Semicolon",
    "P", "Q", "T", "W", "R", "Z", "C", "V", "B", "X", "Y", "E", "Comma", "Period", "Slash", "Minus",
    "1", "5", "0", "Enter", "Backspace", "Delete", "Left", "Right", "Up", "Down", "Home", "End",
    "PageUp", "Tab", "Esc", "Shift", "Ctrl", "Alt", "CapsLock", "Kana", "Kanji", "F1", "F2", "F3",
    "F4", "F5", "F6", "F7", "F8", "F9", "F10", "Apps",
};
constexpr const char* kMenus[] = {
    "mnuFILE_NEW", "mnuFILE_OPEN", "mnuFILE_SAVE", "mnuFILE_SAVEAS", "mnuUNDO", "mnuCUT", "mnuCOPY",
    "mnuPAST", "mnuDELETE", "mnuALL", "mnuSERCH_FIND", "mnuREPLACE", "mnuNEXT_FIND", "mnuWORD_TURN",
    "mnuDATE", "mnuRE_AREA", "mnuV_AREA", "mnuH_AREA", "mnuT_HELPER", "mnuHELP_ABOUT", "mnuEXIT",
    "mnuFONT_RESET",
};
constexpr std::size_t kMaxSteps = 4000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string script = "tap F1\n";
  std::size_t steps = 0;
  bool held[std::size(kKeys)] = {};
  for (std::size_t i = 0; i + 1 < size && steps < kMaxSteps; i += 2, ++steps) {
    const unsigned op = data[i] % 8;
    const unsigned arg = data[i + 1];
    const std::size_t key = arg % std::size(kKeys);
    switch (op) {
      case 0:
      case 1:
        script += std::string("tap ") + kKeys[key] + "\n";
        break;
      case 2:
        if (!held[key]) script += std::string("press ") + kKeys[key] + "\n";
        held[key] = true;
        break;
      case 3:
        if (held[key]) script += std::string("release ") + kKeys[key] + "\n";
        held[key] = false;
        break;
      case 4: {
        std::string chord;
        for (int dot = 0; dot < 6; ++dot) {
          if ((arg >> dot) & 1 && !held[static_cast<std::size_t>(dot)]) chord += "FDSJKL"[dot];
        }
        if (!chord.empty()) script += "chord " + chord + "\n";
        break;
      }
      case 5:
        script += "wait " + std::to_string((arg % 16) * 150) + "\n";
        break;
      case 6:
        script += std::string("menu ") + kMenus[arg % std::size(kMenus)] + "\n";
        break;
      default:
        script += "tap " + std::string(arg % 2 ? "Enter" : "Esc") + "\n";
        break;
    }
  }
  for (std::size_t k = 0; k < std::size(kKeys); ++k) {
    if (held[k]) script += std::string("release ") + kKeys[k] + "\n";
  }
  script += "tap Esc\ntap Enter\n";
  const orvo::script::ParsedScript parsed = orvo::script::ParseScript(script);
  if (!parsed.errors.empty()) std::abort();
  auto session = orvo::fuzz::FreshSession();
  if (!session) return 0;
  session->Run(parsed.steps);
  if (session->host.Ended()) return 0;
  const auto& state = session->program.state;
  const auto& keys = session->desktop.Keys();
  if (state.DotKeyCount < 0) std::abort();
  if (!state.BrailleMode && !state.SynthBusy &&
      (state.LatchHeld || (keys.Down(orvo::vk::kControl) && keys.Down(orvo::vk::kMenu)))) {
    std::abort();
  }
  return 0;
}
