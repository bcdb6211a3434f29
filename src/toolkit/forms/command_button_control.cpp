// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/command_button_control.h"

#include "toolkit/forms/form.h"
#include "platform/keys.h"

namespace orvo::forms {

CommandButtonControl::CommandButtonControl(Form& form, std::string name, int index)
    : Control(form, ControlKind::kCommandButton, std::move(name), index) {}

void CommandButtonControl::SetDefault(bool is_default) {
  if (is_default) {
    for (Control* c : Owner().Controls()) {
      if (auto* b = dynamic_cast<CommandButtonControl*>(c); b != nullptr && b != this) {
        b->default_ = false;
      }
    }
  }
  default_ = is_default;
  Changed();
}

void CommandButtonControl::SetCancel(bool is_cancel) {
  if (is_cancel) {
    for (Control* c : Owner().Controls()) {
      if (auto* b = dynamic_cast<CommandButtonControl*>(c); b != nullptr && b != this) {
        b->cancel_ = false;
      }
    }
  }
  cancel_ = is_cancel;
  Changed();
}

bool CommandButtonControl::Press() {
  if (!Usable()) return false;
  RaiseClick();
  return true;
}

bool CommandButtonControl::TakesKey(int key_code) const { return key_code == vk::kReturn; }

void CommandButtonControl::Click() {
  if (!Usable()) return;
  SetFocus();
  Press();
}

void CommandButtonControl::OwnKeyDown(int& key_code, int shift) {
  const bool plain = (shift & (shift_mask::kCtrl | shift_mask::kAlt)) == 0;
  if (plain && (key_code == vk::kSpace || key_code == vk::kReturn)) {
    key_code = 0;
    Press();
  }
}

}  // namespace orvo::forms
