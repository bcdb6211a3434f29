// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A text box: a platform edit control, made by the desktop, with the
// control's visibility, enabling, font and colours mirrored onto it. Change
// is raised when the program sets the text, and for typing when the key that
// changed it is released (the edit control acts after the key handlers).
#include <memory>

#include "toolkit/forms/control.h"

namespace orvo::forms {

class TextBoxControl : public Control {
 public:
  TextBoxControl(Form& form, std::string name, int index = -1);
  ~TextBoxControl() override;

  EditControl* Edit() override { return edit_.get(); }
  EditControl& Box() { return *edit_; }
  const ustring& Text() const { return edit_->Text(); }
  void SetText(ustring text);

  // A multi-line box keeps Enter; a single-line one leaves it to the default button.
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool multiline) { multiline_ = multiline; }
  // A box that keeps Tab types it instead of moving the focus on.
  bool KeepsTab() const { return keeps_tab_; }
  void SetKeepsTab(bool keeps) { keeps_tab_ = keeps; }
  // A box of the window's document: front ends show it in their document
  // view, with its composition and candidates, rather than as a form's field.
  bool IsDocument() const { return document_; }
  void SetDocument(bool document) { document_ = document; }

  bool TakesKey(int key_code) const override;
  void Click() override;

 protected:
  void OwnKeyUp(int& key_code, int shift) override;
  void Sync() override;

 private:
  void CheckChanged();

  std::unique_ptr<EditControl> edit_;
  std::uint64_t seen_revision_ = 0;
  bool multiline_ = false;
  bool keeps_tab_ = false;
  bool document_ = false;
};

}  // namespace orvo::forms
