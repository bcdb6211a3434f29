#pragma once
// The pair of document text boxes (not wrapping, wrapping) as the editing
// services switch and dress them, and what goes with the switch in the window.
#include "app/forms/text_box_control.h"
#include "platform/edit_control.h"

namespace orvo::editing {

class DocumentBoxes {
 public:
  virtual ~DocumentBoxes() = default;
  virtual forms::TextBoxControl& DocumentBox(int index) = 0;  // 1: the wrapping one
  virtual int ActiveBoxIndex() const = 0;
  virtual void SetActiveBoxIndex(int index) = 0;
  virtual void SetWrapNoticeVisible(bool visible) = 0;  // the "wrapping on" label
  virtual void SetFontResetEnabled(bool enabled) = 0;   // the menu entry back to saved settings
  virtual bool DocumentWindowEnabled() const = 0;
  virtual WindowHandle DocumentWindowTag() const = 0;  // the window the hourglass disables
};

}  // namespace orvo::editing
