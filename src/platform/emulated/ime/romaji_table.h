// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The romaji table of the Japanese IME in romaji input mode, one rule a row:
// typing `input` gives `output`, and `pending` stays to start the next rule
// (`kk  っ  k` is how a doubled consonant becomes a small tsu).
#include <span>

#include "platform/text.h"

namespace orvo::emu {

struct RomajiRule {
  ustring_view input;    // lower-case keys
  ustring_view output;   // kana or punctuation
  ustring_view pending;  // always shorter than input
};

std::span<const RomajiRule> RomajiTable();

}  // namespace orvo::emu
