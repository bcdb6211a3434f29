#pragma once
// Keyboard and braille-input state shared by chord capture, keystroke
// synthesis, the input modes, the cell conversion and IME control. One
// instance per running program.
#include <array>
#include <cstdint>

#include "braille/cell_codes.h"

namespace orvo::braille {

namespace input_mode {
inline constexpr int kOff = 0;
inline constexpr int kKana = 1;
inline constexpr int kDigits = 2;
inline constexpr int kLower = 3;
inline constexpr int kOneCapital = 4;
inline constexpr int kCapitals = 5;
}  // namespace input_mode

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

  int ConvStage = 0;  // 0 nothing composed, 1 reading, 2 converting, 3 candidates
  int PendingWarning = 0;

  DotWeights DotValue{};
  int DotKeyCount = 0;
  std::uint8_t CellCode = 0;

  std::uint8_t KeyVK = 0;  // the key found by GET_KEY_CODE
  std::uint8_t KeyScan = 0;
};

}  // namespace orvo::braille
