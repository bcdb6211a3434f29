// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns romaji keys into kana by the romaji table, one key at a time. The
// keys not yet resolved (a lone "k", "ky", "n") are the pending romaji.
#include <vector>

#include "platform/text.h"

namespace orvo::emu {

// A piece of text that became final, with the keys that produced it.
struct RomajiPiece {
  ustring text;
  ustring keys;
  bool literal = false;  // no rule matched: text is the keys themselves
};

struct RomajiStep {
  std::vector<RomajiPiece> done;
  ustring pending;
};

// Adds one lower-case key after the pending romaji.
RomajiStep FeedRomaji(ustring_view pending, char16_t key);

// Resolves pending romaji for good, as confirming or converting does: a lone
// "n" becomes ん, other letters stay letters.
std::vector<RomajiPiece> FlushRomaji(ustring_view pending);

// The keys that spell one kana (hiragana or katakana), by its first rule;
// empty when no rule gives it alone.
ustring SpellKana(char16_t kana);

}  // namespace orvo::emu
