// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pair of document text boxes (0 not wrapping, 1 wrapping) as the
// editing services switch and dress them, and what goes with the switch in
// the window.
#include <cstdint>

#include "platform/edit_control.h"
#include "platform/font_metrics.h"

namespace orvo::editing {

class DocumentBoxes {
 public:
  virtual ~DocumentBoxes() = default;
  virtual EditControl& DocumentBox(int index) = 0;
  virtual int ActiveBoxIndex() const = 0;
  virtual void SetActiveBoxIndex(int index) = 0;
  virtual void SetBoxVisible(int index, bool visible) = 0;
  virtual void SetBoxBackColor(int index, std::uint32_t colour) = 0;
  virtual void SetBoxForeColor(int index, std::uint32_t colour) = 0;
  virtual void SetBoxFont(int index, const FontSpec& font) = 0;
  virtual void SetWrapNoticeVisible(bool visible) = 0;  // the "wrapping on" label
  virtual void SetFontResetEnabled(bool enabled) = 0;   // the menu entry back to saved settings
  virtual bool DocumentWindowEnabled() const = 0;
  virtual WindowHandle DocumentWindowTag() const = 0;  // the window the hourglass disables
};

}  // namespace orvo::editing
