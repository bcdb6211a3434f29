// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's toolbar and status line in a window narrower than they
// reach (a small screen at a large desktop scale): their controls break into
// rows instead of running off the window's right edge, and the document gives
// up the room the extra rows take. Where the window has the room they stand
// where the window's model puts them; the wrap notice stands after the status
// line's figures, never over them (on a row of its own where it must).

#include <QRect>
#include <vector>

class QWidget;

namespace orvo::qt {

class FormView;

// How much of the document's height the extra rows take, above and below it.
struct StripRoom {
  int top = 0;
  int bottom = 0;
  bool operator==(const StripRoom&) const = default;
};

// Lays both strips of the main window's inner form out for its present width.
// Asked after every key: it looks again only when the width, a control's
// place or its showing changed since the last time, and then without
// allocating once it has laid the strips out before.
class StripLayout {
 public:
  StripRoom LayOut(const FormView& inner);

  struct Strip {
    QWidget* widget = nullptr;
    std::vector<QWidget*> members;
    std::vector<QRect> places;  // the model's, in the strip
  };

 private:
  // What the strips' layout is made from, as it stands now.
  void Look(const FormView& inner, std::vector<int>& into) const;

  Strip bar_;
  Strip line_;
  std::vector<int> seen_;  // what the last layout was made from
  std::vector<int> looking_;
  StripRoom room_;
};

}  // namespace orvo::qt
