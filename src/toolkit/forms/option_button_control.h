// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An option button. Its group is its container (a frame, or the form): one
// selected at a time. Only the selected one of a group is a Tab stop, and the
// arrow keys move the selection within the group.
#include <vector>

#include "toolkit/forms/control.h"

namespace orvo::forms {

class OptionButtonControl : public Control {
 public:
  OptionButtonControl(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kOptionButton, std::move(name), index) {}

  bool Value() const { return value_; }
  // Selecting clears the others of the group and raises Click; clearing
  // raises nothing.
  void SetValue(bool value);

  // The buttons of this one's group, in tab order, itself included.
  std::vector<OptionButtonControl*> Group() const;

  bool IsTabStopNow() const override;
  void Click() override;
  void MnemonicAction() override { Click(); }

 protected:
  void OwnKeyDown(int& key_code, int shift) override;

 private:
  bool value_ = false;
};

}  // namespace orvo::forms
