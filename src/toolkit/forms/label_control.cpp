// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/label_control.h"

#include "toolkit/forms/form.h"
#include "platform/keys.h"

namespace orvo::forms {

LabelControl::LabelControl(Form& form, std::string name, int index)
    : Control(form, ControlKind::kLabel, std::move(name), index) {
  SetTabStop(false);
}

void LabelControl::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Changed();
}

void LabelControl::SetOpaque(bool opaque) {
  opaque_ = opaque;
  Changed();
}

void LabelControl::SetFocusable(bool focusable) {
  focusable_ = focusable;
  SetTabStop(focusable);
}

bool LabelControl::TakesKey(int key_code) const { return focusable_ && key_code == vk::kReturn; }

void LabelControl::OwnKeyDown(int& key_code, int shift) {
  const bool plain = (shift & (shift_mask::kCtrl | shift_mask::kAlt)) == 0;
  if (!focusable_ || !plain) return;
  if (key_code == vk::kSpace) {
    key_code = 0;
    Click();
  } else if (key_code == vk::kReturn) {
    key_code = 0;
    DoubleClick();
  }
}

void LabelControl::MnemonicAction() { FocusFollowing(*this); }

bool FocusFollowing(const Control& from) {
  const auto& order = from.Owner().Controls();
  bool after = false;
  for (Control* c : order) {
    if (after && c->CanFocus()) return c->SetFocus();
    if (c == &from) after = true;
  }
  return false;
}

}  // namespace orvo::forms
