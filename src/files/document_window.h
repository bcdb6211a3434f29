// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the file commands reach it.
#include "platform/edit_control.h"
#include "platform/text.h"

namespace orvo::files {

class DocumentWindow {
 public:
  virtual ~DocumentWindow() = default;
  virtual EditControl& ActiveTextBox() = 0;
  virtual bool WordWrap() const = 0;
  // Moves the text to the box that does not wrap; false when that failed.
  virtual bool TurnWordWrapOff() = 0;
  virtual void SetCaption(const ustring& caption) = 0;
  virtual bool WindowEnabled() const = 0;
};

}  // namespace orvo::files
