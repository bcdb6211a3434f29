// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the secondary windows see it: their owner. They take
// its icon and place from it, give it the keyboard back when they close,
// and read the document's box (the find dialog starts from its selection,
// the settings dialog dresses it).
#include "platform/edit_control.h"

namespace orvo::forms {
class Form;
class TextBoxControl;
}  // namespace orvo::forms

namespace orvo {

// The main window's tag: message boxes over it name it as their owner.
inline constexpr int kMainWindowTag = 1;

class MainWindowPort {
 public:
  virtual ~MainWindowPort() = default;
  virtual forms::Form& OwnerForm() = 0;
  // Activates the main window with the keyboard in the document.
  virtual void ActivateOwner() = 0;
  // The text box that holds the document now.
  virtual forms::TextBoxControl& DocumentControl() = 0;
  // No dot key counts as held any more: a window took the keyboard mid-chord.
  virtual void ResetDotKeys() = 0;
};

}  // namespace orvo
