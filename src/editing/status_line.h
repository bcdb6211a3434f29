// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status line under the text: caret column and line, line count, size in bytes.
#include "platform/text.h"

namespace orvo::editing {

struct StatusFigures {
  ustring column;
  ustring line;
  ustring lines;
  ustring bytes;
};

class StatusLine {
 public:
  virtual ~StatusLine() = default;
  virtual void ShowStatus(const StatusFigures& figures) = 0;
};

}  // namespace orvo::editing
