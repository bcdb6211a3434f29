// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/check_box_control.h"

#include "platform/keys.h"

namespace orvo::forms {

bool CheckBoxControl::SetValue(int value) {
  if (value < check::kUnchecked || value > check::kGreyed) return false;
  if (value == value_) return true;
  value_ = value;
  Changed();
  RaiseClick();
  return true;
}

void CheckBoxControl::Click() {
  if (!Usable()) return;
  SetFocus();
  SetValue(value_ == check::kUnchecked ? check::kChecked : check::kUnchecked);
}

void CheckBoxControl::OwnKeyDown(int& key_code, int shift) {
  if (key_code == vk::kSpace && (shift & (shift_mask::kCtrl | shift_mask::kAlt)) == 0) {
    key_code = 0;
    Click();
  }
}

}  // namespace orvo::forms
