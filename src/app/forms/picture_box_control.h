#pragma once
// A picture (one of the program's picture set, by id) or a plain coloured
// area. Pictures here are decoration and status strips: they take no focus.
#include "app/forms/control.h"

namespace orvo::forms {

class PictureBoxControl : public Control {
 public:
  PictureBoxControl(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kPictureBox, std::move(name), index) {
    SetTabStop(false);
  }
  bool CanFocus() const override { return false; }
};

}  // namespace orvo::forms
