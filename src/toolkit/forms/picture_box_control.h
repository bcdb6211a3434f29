// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture (one of the program's picture set, by id) or a plain coloured
// area. Pictures here are decoration and strips that hold other controls:
// they take no focus. A strip aligned to the top or bottom edge spans the
// form's inner width and stays at that edge whenever the form is resized.
#include "toolkit/forms/control.h"

namespace orvo::forms {

enum class Align { kNone, kTop, kBottom };

class PictureBoxControl : public Control {
 public:
  PictureBoxControl(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kPictureBox, std::move(name), index) {
    SetTabStop(false);
  }
  bool CanFocus() const override { return false; }

  Align Alignment() const { return align_; }
  void SetAlign(Align align);
  // Places an aligned strip along its edge of an inner area of the given size.
  void FitTo(Size inner);

 private:
  Align align_ = Align::kNone;
};

}  // namespace orvo::forms
