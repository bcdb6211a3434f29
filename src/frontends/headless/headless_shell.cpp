// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/headless_shell.h"

#include <algorithm>

namespace orvo::headless {
namespace {

bool Proportional(const ustring& family) {
  for (const char16_t* name : HeadlessFontMetrics::kProportionalFamilies) {
    if (family == name) return true;
  }
  return false;
}

// A half-width character's width in a proportional family, in quarters of the size.
int Quarters(char16_t c) {
  if (ustring_view(u"Iijl.,:;!|'").find(c) != ustring_view::npos) return 1;
  if (ustring_view(u"MWmw@").find(c) != ustring_view::npos) return 3;
  return 2;
}

}  // namespace

Size HeadlessFontMetrics::MeasureText(const FontSpec& font, ustring_view text) const {
  const int pixels = font.points * 4 / 3;  // points at 96 dpi
  const bool proportional = Proportional(font.name);
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
    if (DbcsWidth(c) != 1) {
      line += pixels;
    } else {
      line += proportional ? pixels * Quarters(c) / 4 : pixels / 2;
    }
  }
  widest = std::max(widest, line);
  return {widest, lines * (pixels * 4 / 3)};
}

}  // namespace orvo::headless
