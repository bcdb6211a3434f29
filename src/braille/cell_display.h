// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cell display (the cells typed since the last result) and the mode
// display beside it.
#include "platform/text.h"

namespace orvo::braille {

class CellDisplay {
 public:
  virtual ~CellDisplay() = default;
  virtual const ustring& Cells() const = 0;
  virtual void ShowCells(const ustring& cells) = 0;
  virtual void ShowMode(const ustring& caption) = 0;
  virtual void SetDisplayTips(const ustring& mode_tip, const ustring& cells_tip) = 0;
};

}  // namespace orvo::braille
