// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/picture_box_control.h"

#include "toolkit/forms/form.h"

namespace orvo::forms {

void PictureBoxControl::SetAlign(Align align) {
  align_ = align;
  FitTo(Owner().InnerPx());
}

void PictureBoxControl::FitTo(Size inner) {
  if (align_ == Align::kNone) return;
  const Rect& b = Bounds();
  const int top = align_ == Align::kTop ? 0 : inner.height - b.height;
  if (b.left == 0 && b.top == top && b.width == inner.width) return;
  SetBounds({0, top, inner.width, b.height});
}

}  // namespace orvo::forms
