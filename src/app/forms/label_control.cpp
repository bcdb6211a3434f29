#include "app/forms/label_control.h"

#include "app/forms/form.h"

namespace orvo::forms {

LabelControl::LabelControl(Form& form, std::string name, int index)
    : Control(form, ControlKind::kLabel, std::move(name), index) {
  SetTabStop(false);
}

void LabelControl::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Changed();
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
