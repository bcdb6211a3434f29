// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/option_button_control.h"

#include <algorithm>

#include "toolkit/forms/form.h"
#include "platform/keys.h"

namespace orvo::forms {

std::vector<OptionButtonControl*> OptionButtonControl::Group() const {
  std::vector<OptionButtonControl*> group;
  for (Control* c : Owner().Controls()) {
    auto* o = dynamic_cast<OptionButtonControl*>(c);
    if (o != nullptr && o->Container() == Container()) group.push_back(o);
  }
  return group;
}

void OptionButtonControl::SetValue(bool value) {
  if (value == value_) return;
  if (value) {
    for (OptionButtonControl* o : Group()) {
      if (o != this && o->value_) {
        o->value_ = false;
        o->Changed();
      }
    }
  }
  value_ = value;
  Changed();
  if (value_) RaiseClick();
}

bool OptionButtonControl::IsTabStopNow() const {
  if (!Control::IsTabStopNow()) return false;
  if (value_) return true;
  const auto group = Group();
  return std::none_of(group.begin(), group.end(),
                      [](const OptionButtonControl* o) { return o->value_ && o->CanFocus(); });
}

void OptionButtonControl::Click() {
  if (!Usable()) return;
  SetFocus();
  SetValue(true);
}

void OptionButtonControl::OwnKeyDown(int& key_code, int shift) {
  if ((shift & (shift_mask::kCtrl | shift_mask::kAlt)) != 0) return;
  int step = 0;
  if (key_code == vk::kUp || key_code == vk::kLeft) step = -1;
  if (key_code == vk::kDown || key_code == vk::kRight) step = 1;
  if (step == 0) return;
  key_code = 0;
  const auto group = Group();
  const auto n = static_cast<int>(group.size());
  const auto me = static_cast<int>(std::find(group.begin(), group.end(), this) - group.begin());
  for (int i = 1; i < n; ++i) {
    OptionButtonControl* next = group[static_cast<std::size_t>(((me + step * i) % n + n) % n)];
    if (next->CanFocus()) {
      next->Click();
      return;
    }
  }
}

}  // namespace orvo::forms
