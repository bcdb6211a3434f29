// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How big text comes out on the screen, for controls that size themselves to
// their text (an auto-sized label).
#include "platform/geometry.h"
#include "platform/text.h"

namespace orvo {

struct FontSpec {
  ustring name;
  int points = 9;
  bool bold = false;
  bool operator==(const FontSpec&) const = default;
};

class FontMetrics {
 public:
  virtual ~FontMetrics() = default;
  // The pixel size of text laid out line by line (CR LF, CR or LF break lines).
  virtual Size MeasureText(const FontSpec& font, ustring_view text) const = 0;
};

}  // namespace orvo
