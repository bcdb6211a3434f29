// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys of braille mode as data: the six dot keys that form a cell, and
// what each other key does when it is not a function key (the commands are
// the braille editing commands').
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

// The dot a dot key stands for: F D S for dots 1 2 3, J K L for dots 4 5 6,
// as 0 to 5 (the entries of DotValue); -1 for any other key.
int DotOf(int key);
// A dot's weight inside its own column: 1 upper, 2 middle, 4 lower.
int DotWeight(int dot);

// The editing key a letter stands for (H Backspace, N Enter, G Delete); held, it repeats nothing.
std::optional<int> RepeatGuardedKey(int key);
// The command of a key; kSwallow for a key the map does not hold.
KeyCommand CommandOf(int key);

}  // namespace orvo::braille
