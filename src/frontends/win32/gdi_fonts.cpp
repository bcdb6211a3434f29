// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/gdi_fonts.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {

int FontHeight(int points, int dpi) { return -MulDiv(std::max(points, 1), dpi > 0 ? dpi : 96, 72); }

GdiFonts::~GdiFonts() { Forget(); }

void GdiFonts::Forget() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  fonts_.clear();
}

HFONT GdiFonts::Font(const FontSpec& asked) {
  const Key key{asked.name, asked.points, asked.bold};
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  HDC dc = GetDC(nullptr);
  const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  if (dc != nullptr) ReleaseDC(nullptr, dc);
  LOGFONTW lf{};
  lf.lfHeight = FontHeight(asked.points, dpi);
  lf.lfWeight = asked.bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Wide(asked.name).substr(0, LF_FACESIZE - 1);
  std::copy(face.begin(), face.end(), lf.lfFaceName);
  HFONT font = CreateFontIndirectW(&lf);
  if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_[key] = font;
  return font;
}

Size GdiFonts::MeasureText(const FontSpec& asked, ustring_view text) const {
  HFONT font = const_cast<GdiFonts*>(this)->Font(asked);
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return {};
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int line_height = metrics.tmHeight + metrics.tmExternalLeading;
  int widest = 0;
  int lines = 0;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find_first_of(u"\r\n", start);
    const ustring_view line = text.substr(start, end == ustring_view::npos ? ustring_view::npos : end - start);
    SIZE size{};
    const std::wstring wide = Wide(line);
    if (!wide.empty()) GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
    ++lines;
    if (end == ustring_view::npos) break;
    if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ++end;
    start = end + 1;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return {widest, lines * line_height};
}

}  // namespace orvo::win32
