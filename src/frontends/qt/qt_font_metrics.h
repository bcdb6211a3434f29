// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text measured with the installed font the face name resolves to.
#include "platform/font_metrics.h"

namespace orvo::qt {

class QtFontMetrics : public FontMetrics {
 public:
  Size MeasureText(const FontSpec& font, ustring_view text) const override;
};

}  // namespace orvo::qt
