// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A check box: 0 unchecked, 1 checked, 2 greyed. A click or Space checks an
// unchecked box and clears a checked or greyed one.
#include "toolkit/forms/control.h"

namespace orvo::forms {

namespace check {
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGreyed = 2;
}  // namespace check

class CheckBoxControl : public Control {
 public:
  CheckBoxControl(Form& form, std::string name, int index = -1)
      : Control(form, ControlKind::kCheckBox, std::move(name), index) {}

  int Value() const { return value_; }
  // A change raises Click, from code as from a person; a value outside 0-2
  // is refused and the box keeps its value.
  bool SetValue(int value);

  void Click() override;
  void MnemonicAction() override { Click(); }

 protected:
  void OwnKeyDown(int& key_code, int shift) override;

 private:
  int value_ = check::kUnchecked;
};

}  // namespace orvo::forms
