// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a control's caption fits it, measured with the font it is drawn
// in: the room the style leaves for the text in a label, button, option,
// check box or frame title, and the size the text takes there. A window laid
// out for one font meets another on this desktop (another face, another
// scale); what does not fit is made to.
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace orvo::qt {

struct TextFit {
  QSize need;  // the caption as drawn
  QSize room;  // where the widget draws it
  bool Fits() const { return need.width() <= room.width() && need.height() <= room.height(); }
};

// Empty for a widget that shows no caption (or an empty one).
std::optional<TextFit> CaptionFit(const QWidget& widget);

// How much larger the widget, at `size`, must be drawn for its caption to fit
// (1 when it fits): the style's margins stay as they are, the room grows.
double GrowthFor(const QWidget& widget);

}  // namespace orvo::qt
