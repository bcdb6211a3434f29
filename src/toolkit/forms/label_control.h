// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A caption on a form. It takes no focus unless made focusable; its access
// key moves the focus to the next control in tab order that can take it. A
// focusable label (a colour swatch) is in tab order, and from the keyboard
// Space clicks it and Enter double-clicks it.
#include "toolkit/forms/control.h"

namespace orvo::forms {

class LabelControl : public Control {
 public:
  LabelControl(Form& form, std::string name, int index = -1);
  bool CanFocus() const override { return focusable_ && Control::CanFocus(); }
  bool Focusable() const { return focusable_; }
  void SetFocusable(bool focusable);
  bool TakesKey(int key_code) const override;
  void MnemonicAction() override;

  // Where the caption stands in the label's width.
  enum class Alignment { kLeft, kRight, kCentre };
  Alignment TextAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);
  // An opaque label fills its area with its back colour (a colour swatch, a
  // sample); a transparent one shows what lies under it.
  bool Opaque() const { return opaque_; }
  void SetOpaque(bool opaque);

 protected:
  void OwnKeyDown(int& key_code, int shift) override;

 private:
  Alignment alignment_ = Alignment::kLeft;
  bool focusable_ = false;
  bool opaque_ = false;
};

// Gives the focus to the first control after `from` in tab order that takes it.
bool FocusFollowing(const Control& from);

}  // namespace orvo::forms
