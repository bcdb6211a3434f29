// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keyboard and braille-input state shared by chord capture, keystroke
// synthesis, the input modes, the cell conversion and IME control. One
// instance per running program.
#include <array>
#include <cstdint>

#include "braille/cell_codes.h"
#include "braille/input_mode.h"

namespace orvo::braille {

// How far the IME has got with what braille typed; the state dump and the
// scripts number the stages 0 to 3.
enum class ConvStage {
  kNothing = 0,     // nothing composed
  kReading = 1,     // a reading is being composed
  kConverting = 2,  // Space converted it
  kCandidates = 3,  // Up opened the candidate list
};
constexpr bool operator==(ConvStage stage, int number) { return static_cast<int>(stage) == number; }
// Converting or choosing a candidate: the composition is no longer a plain reading.
constexpr bool Converted(ConvStage stage) {
  return stage == ConvStage::kConverting || stage == ConvStage::kCandidates;
}

// The warnings WindowHook leaves for the timer, by their numbers in PendingWarning.
namespace pending_warning {
inline constexpr int kNone = 0;
inline constexpr int kLeftBraille = 1;  // the application lost the activation
inline constexpr int kEscape = 2;       // Esc at the window: Enter is typed first
inline constexpr int kOutOfMemory = 3;
inline constexpr int kLimit = 4;
}  // namespace pending_warning

struct InputState {
  bool BrailleMode = false;  // braille input on
  int InputMode = input_mode::kOff;

  bool LatchHeld = false;    // the synthetic Ctrl and Alt are down
  bool SynthBusy = false;    // a synthetic sequence is being sent
  bool ShiftSelect = false;  // Shift held in braille mode
  bool AltPass = false;      // a real Alt is passed through
  bool CtrlPass = false;     // a real Ctrl is passed through
  bool ConfirmBusy = false;  // a conversion is being confirmed before a chord
  bool RepeatGuard = false;  // a remapped H, N or G is being sent
  bool CapsSaved = false;    // Caps Lock was on when a capital mode began
  bool ImeOpen = false;      // IME state last applied by the IME switch
  bool JoinDisplay = false;  // the cell display keeps the previous cell

  braille::ConvStage ConvStage = braille::ConvStage::kNothing;
  int PendingWarning = pending_warning::kNone;

  DotWeights DotValue{};
  int DotKeyCount = 0;
  std::uint8_t DotKeysDown = 0;  // the chord's dot keys held now, bit i for DotValue entry i
  // The cell a closed chord gives (CellCode) and the key a character needs
  // (KeyVK, KeyScan) are values handed on, not state: see cell_codes.h.
};

}  // namespace orvo::braille
