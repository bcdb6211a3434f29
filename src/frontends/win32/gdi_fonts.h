// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts as GDI makes them: one HFONT per face, size and weight the program
// asks for, kept for the run, and text measured with them.
#include "frontends/win32/win32_api.h"

#include <map>
#include <tuple>

#include "platform/font_metrics.h"

namespace orvo::win32 {

class GdiFonts : public FontMetrics {
 public:
  GdiFonts() = default;
  ~GdiFonts() override;
  GdiFonts(const GdiFonts&) = delete;
  GdiFonts& operator=(const GdiFonts&) = delete;

  // The font for `asked`; the system's message font when it cannot be made.
  HFONT Font(const FontSpec& asked);
  Size MeasureText(const FontSpec& font, ustring_view text) const override;
  // Forgets every font made (after fonts were added or removed).
  void Forget();

 private:
  using Key = std::tuple<ustring, int, bool>;
  std::map<Key, HFONT> fonts_;
};

// The LOGFONT height of `points` at `dpi` (negative: the character height).
int FontHeight(int points, int dpi);

}  // namespace orvo::win32
