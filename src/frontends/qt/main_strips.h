// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's toolbar and status line in a window narrower than they
// reach (a small screen at a large desktop scale): their controls break into
// rows instead of running off the window's right edge, and the document gives
// up the room the extra rows take. Where the window has the room they stand
// where the window's model puts them; the wrap notice stands after the status
// line's figures, never over them (on a row of its own where it must).

namespace orvo::qt {

class FormView;

// How much of the document's height the extra rows take, above and below it.
struct StripRoom {
  int top = 0;
  int bottom = 0;
  bool operator==(const StripRoom&) const = default;
};

// Lays both strips of the main window's inner form out for its present width.
StripRoom LayOutStrips(const FormView& inner);

}  // namespace orvo::qt
