// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button, with a caption and/or a picture. The default button is
// pressed by Enter and the cancel button by Esc wherever the focus is, unless
// the focused control keeps the key; at most one of each per form.
#include "toolkit/forms/control.h"

namespace orvo::forms {

class CommandButtonControl : public Control {
 public:
  CommandButtonControl(Form& form, std::string name, int index = -1);

  bool IsDefault() const { return default_; }
  void SetDefault(bool is_default);
  bool IsCancel() const { return cancel_; }
  void SetCancel(bool is_cancel);

  // Raises the button's Click when it can be used; false when it cannot.
  bool Press();

  bool TakesKey(int key_code) const override;
  void Click() override;
  void MnemonicAction() override { Click(); }

 protected:
  void OwnKeyDown(int& key_code, int shift) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
};

}  // namespace orvo::forms
