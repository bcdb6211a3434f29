// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which cells of an input mode wait for another cell or change the mode,
// rather than type something of their own.
#include <climits>
#include <span>

namespace orvo::braille {

enum class PrefixAction {
  kNone,           // an ordinary cell: look it up on its own
  kWait,           // a prefix: look it up together with the next cell
  kSignOrPrefix,   // waits as a prefix; if the next cell completes nothing, types its own mark
  kToDigits,       // number sign
  kToLetters,      // foreign-letter sign (from kana or digits)
  kToKana,         // back to kana from digits or letters
  kCapitalSign,    // one more capital sign in a letter mode
  kLeaveCapitals,  // the end of an all-capitals run
  kNotPrefix,      // types its own mark here, and drops a capital sign pending
};

struct PrefixCell {
  int first_mode;  // the input modes the row holds for, inclusive
  int last_mode;
  char16_t cell;
  PrefixAction action;
};

// kNone also for modes below 1, which have no tables.
PrefixAction CheckPrefix(int input_mode, char16_t cell);

// The table itself, for charts and checks.
std::span<const PrefixCell> PrefixCells();

}  // namespace orvo::braille
