// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What braille mode changes in the main window's menus and toolbar.
#include "toolkit/picture_ids.h"

namespace orvo::braille {

class BrailleMenus {
 public:
  virtual ~BrailleMenus() = default;
  // The braille helper and diagram entries on the menu bar instead of the help menu and exit.
  virtual void ShowBrailleMenus(bool braille) = 0;
  virtual void SetMethodPicture(int picture) = 0;  // the input-method button
  virtual void SetImePicture(int picture) = 0;     // the IME button
  virtual void SetCoverVisible(bool visible) = 0;
  virtual void SetToolVisible(bool visible) = 0;
};

}  // namespace orvo::braille
