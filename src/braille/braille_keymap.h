#pragma once
// What each key does in braille mode when it is not a dot key or a function
// key: the keys are data, the commands are the chord capture's.
#include <optional>

namespace orvo::braille {

enum class KeyCommand {
  kBackspace,    // cancels a waiting prefix, else Backspace
  kTab,          // Tab inside a composition only
  kEnter,        // confirms and ends digit mode
  kShiftSelect,  // Shift starts selecting
  kCtrlPass,     // Ctrl passes through
  kAltPass,      // Alt passes through
  kSpace,        // converts, then moves through the candidates
  kLeft,         // U
  kRight,        // O
  kUp,           // I: the candidate list while composing
  kDown,         // M: confirms, or the next candidate
  kDelete,
  kLineEdge,        // A and +: the line's start or end, or a clause resized
  kScrollLine,      // C and V
  kScrollSideways,  // comma and period
  kTextEdge,        // P and Q: the text's start or end, or a clause moved
  kRetypeResult,    // T: the last confirmed text typed again as a reading
  kRetypeReading,   // W: the composition typed again
  kContextMenu,     // Z
  kSwallow,         // any other key does nothing
};

struct KeyBinding {
  int key;
  KeyCommand command;
};

// The editing key a letter stands for (H Backspace, N Enter, G Delete); held, it repeats nothing.
std::optional<int> RepeatGuardedKey(int key);
// The command of a key; kSwallow for a key the map does not hold.
KeyCommand CommandOf(int key);

}  // namespace orvo::braille
