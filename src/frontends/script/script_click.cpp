// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/script/script_click.h"

#include "app/main_window.h"

namespace orvo::script {

forms::Control* FindScriptControl(Program& program, const ControlRef& ref) {
  for (const forms::Form* form : program.forms.Forms()) {
    if (form->Name() != ref.form) continue;
    if (forms::Control* c = form->FindControl(ref.control, ref.index)) return c;
    const auto digits = ref.control.find_last_not_of("0123456789") + 1;
    if (ref.index < 0 && digits > 0 && digits < ref.control.size()) {
      return form->FindControl(ref.control.substr(0, digits),
                               std::stoi(ref.control.substr(digits)));
    }
  }
  return nullptr;
}

bool ClickScriptControl(Program& program, const ControlRef& ref) {
  forms::Control* control = FindScriptControl(program, ref);
  if (control == nullptr) return false;
  // A window a modal one has disabled takes no clicks, nor does a disabled control.
  if (!control->Owner().Enabled() || !control->Enabled()) return true;
  control->MouseDown(1);
  MainWindow& w = program.Main();
  if (&control->Owner() != &w) {
    control->Click();
  } else if (control == &w.cmdMEMO) {
    w.ClickMemo();
  } else if (control == &w.cmdTYPE) {
    w.ClickType();
  } else if (control == &w.cmdIME) {
    w.ClickIme();
  } else if (control == &w.lblMODE) {
    w.ClickMode();
  }
  return true;
}

std::string ControlName(const ControlRef& ref) {
  // Appended piece by piece: a literal in front of a temporary string trips GCC 12's -Wrestrict at -O3.
  std::string name = ref.form;
  name.append(".").append(ref.control);
  if (ref.index >= 0) name.append("[").append(std::to_string(ref.index)).append("]");
  return name;
}

bool ChooseScriptMenu(Program& program, const std::string& item) {
  MainWindow& w = program.Main();
  if (!w.Enabled()) return w.MenuBar().Find(item) != nullptr;
  return w.ClickMenu(item);
}

}  // namespace orvo::script
