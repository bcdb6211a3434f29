#include "platform/headless/headless_shell.h"

#include <algorithm>

namespace orvo::headless {

Size HeadlessFontMetrics::MeasureText(const FontSpec& font, ustring_view text) const {
  const int pixels = font.points * 4 / 3;  // points at 96 dpi
  int widest = 0;
  int line = 0;
  int lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      widest = std::max(widest, line);
      line = 0;
      ++lines;
      continue;
    }
    line += DbcsWidth(c) == 1 ? pixels / 2 : pixels;
  }
  widest = std::max(widest, line);
  return {widest, lines * (pixels * 4 / 3)};
}

}  // namespace orvo::headless
