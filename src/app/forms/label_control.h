#pragma once
// A caption on a form. It never takes the focus; its access key moves the
// focus to the next control in tab order that can take it.
#include "app/forms/control.h"

namespace orvo::forms {

class LabelControl : public Control {
 public:
  LabelControl(Form& form, std::string name, int index = -1);
  bool CanFocus() const override { return false; }
  void MnemonicAction() override;

  // Where the caption stands in the label's width.
  enum class Alignment { kLeft, kRight, kCentre };
  Alignment TextAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);

 private:
  Alignment alignment_ = Alignment::kLeft;
};

// Gives the focus to the first control after `from` in tab order that takes it.
bool FocusFollowing(const Control& from);

}  // namespace orvo::forms
