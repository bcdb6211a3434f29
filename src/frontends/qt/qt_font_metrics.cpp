// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_font_metrics.h"

#include <QFontMetrics>
#include <algorithm>

#include "frontends/qt/font_map.h"
#include "frontends/qt/qt_text.h"

namespace orvo::qt {

Size QtFontMetrics::MeasureText(const FontSpec& font, ustring_view text) const {
  const QFontMetrics metrics(ToQFont(font));
  int widest = 0;
  int lines = 0;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find_first_of(u"\r\n", start);
    const ustring_view line = text.substr(start, end == ustring_view::npos ? ustring_view::npos : end - start);
    widest = std::max(widest, metrics.horizontalAdvance(ToQ(line)));
    ++lines;
    if (end == ustring_view::npos) break;
    if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ++end;
    start = end + 1;
  }
  return {widest, lines * metrics.lineSpacing()};
}

}  // namespace orvo::qt
