// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A frame: a captioned box that holds other controls. Hiding or disabling it
// hides or disables what it holds, and it is the group of option buttons.
#include "toolkit/forms/label_control.h"

namespace orvo::forms {

class FrameControl : public Control {
 public:
  FrameControl(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kFrame, std::move(name), index) {
    SetTabStop(false);
  }
  bool CanFocus() const override { return false; }
  // Its access key leads into it: the next control in tab order.
  void MnemonicAction() override { FocusFollowing(*this); }
};

}  // namespace orvo::forms
