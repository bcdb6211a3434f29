// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/text_box_control.h"

#include "toolkit/forms/form.h"
#include "platform/keys.h"

namespace orvo::forms {

TextBoxControl::TextBoxControl(Form& form, std::string name, int index)
    : Control(form, ControlKind::kTextBox, std::move(name), index),
      edit_(form.windowing().CreateEditControl()) {
  SetBackColor(colour::kWhite);
  Sync();
}

TextBoxControl::~TextBoxControl() = default;

void TextBoxControl::SetText(ustring text) {
  edit_->SetText(std::move(text));
  CheckChanged();
}

bool TextBoxControl::TakesKey(int key_code) const {
  return (multiline_ && key_code == vk::kReturn) || (keeps_tab_ && key_code == vk::kTab);
}

void TextBoxControl::Click() {
  if (!Usable()) return;
  SetFocus();
  RaiseClick();
}

void TextBoxControl::OwnKeyUp(int&, int) { CheckChanged(); }

void TextBoxControl::CheckChanged() {
  if (edit_->Revision() == seen_revision_) return;
  seen_revision_ = edit_->Revision();
  Changed();
  RaiseChange();
}

void TextBoxControl::Sync() {
  edit_->SetVisible(Visible());
  edit_->SetEnabled(Enabled());
  edit_->SetFont(Font());
  edit_->SetForeColor(ForeColor());
  edit_->SetBackColor(BackColor());
}

}  // namespace orvo::forms
