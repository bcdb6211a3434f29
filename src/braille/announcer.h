// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader user is told while writing: braille input switched on
// or off, each change of input mode, each typed cell as its dots, the sound
// it completes, the reading and its conversion as they change, and the text
// each confirmation puts into the document. The program gives it the state
// after each input it handled; it alone decides what is said from the change.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/text.h"

namespace orvo::braille {

// What the user can perceive of braille input at one moment.
struct HeardState {
  bool braille_mode = false;
  ustring mode;         // the mode display
  ustring cells;        // the cell display (Braille ASCII)
  ustring composition;  // what the IME shows as composing or converted
  bool converting = false;
  int candidate = 0;  // the number of the candidate chosen while converting; 0: none
  ustring result;                  // the last confirmed text
  std::uint64_t text_revision = 0;  // the document's
};

// The dots of one Braille ASCII cell, as said: "テン 1 2" (no dots: "マスアケ").
ustring SpokenDots(char16_t cell);
// The mode display's caption as said (数字 スージ); a caption of no mode as it is.
ustring SpokenMode(const ustring& caption);
// The cells of the cell display, as a reader names it: each cell's dots, one
// after another ("点 5、点 1 6"); nothing for none.
ustring SpokenCells(const ustring& cells);

class Announcer {
 public:
  // What is to be said about the change since the state heard last, in order;
  // nothing for the first state.
  std::vector<ustring> Hear(const HeardState& now);

 private:
  std::optional<HeardState> last_;
};

}  // namespace orvo::braille
