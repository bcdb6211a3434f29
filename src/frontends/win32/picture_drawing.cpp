// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/win32/picture_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "toolkit/picture_rows.h"

namespace orvo::win32 {
namespace {

// One figure drawn in a square tile at (x0, y0) of side s.
class Tile {
 public:
  Tile(HDC dc, const RECT& box) : dc_(dc), x0_(box.left), y0_(box.top), s_(box.right - box.left) {}
  int Side() const { return s_; }
  int X(double f) const { return x0_ + static_cast<int>(std::lround(f * s_)); }
  int Y(double f) const { return y0_ + static_cast<int>(std::lround(f * s_)); }
  POINT At(double fx, double fy) const { return {X(fx), Y(fy)}; }
  HDC Dc() const { return dc_; }

 private:
  HDC dc_;
  int x0_;
  int y0_;
  int s_;
};

// Lines thick enough to see at every size.
int Stroke(int size, int divisor) { return std::max(1, size / divisor); }

void DrawGlyph(const Tile& t, const RECT& box, const char16_t* glyph, double fill, COLORREF ink) {
  const int height = std::max(1, static_cast<int>((box.bottom - box.top) * fill));
  HFONT font = CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"ＭＳ ゴシック");
  HGDIOBJ old = SelectObject(t.Dc(), font);
  SetTextColor(t.Dc(), ink);
  SetBkMode(t.Dc(), TRANSPARENT);
  const std::wstring text(glyph, glyph + std::char_traits<char16_t>::length(glyph));
  RECT r = box;
  DrawTextW(t.Dc(), text.c_str(), static_cast<int>(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(t.Dc(), old);
  DeleteObject(font);
}

void DrawPage(const Tile& t) {
  const double l = 0.2, top = 0.1, r = 0.8, b = 0.9, fold = 0.22;
  const POINT page[] = {t.At(l, top), t.At(r - fold, top), t.At(r, top + fold), t.At(r, b), t.At(l, b), t.At(l, top)};
  Polyline(t.Dc(), page, 6);
  const POINT corner[] = {t.At(r - fold, top), t.At(r - fold, top + fold), t.At(r, top + fold)};
  Polyline(t.Dc(), corner, 3);
  for (const double y : {0.45, 0.6, 0.75}) {
    MoveToEx(t.Dc(), t.X(l + 0.1), t.Y(y), nullptr);
    LineTo(t.Dc(), t.X(r - 0.1), t.Y(y));
  }
}

void DrawKeyCap(const Tile& t, const char16_t* glyph, COLORREF ink) {
  const int round = std::max(1, static_cast<int>(t.Side() * 0.28));
  RoundRect(t.Dc(), t.X(0.08), t.Y(0.08), t.X(0.92), t.Y(0.92), round, round);
  // The deeper front edge makes it a key, not a frame.
  MoveToEx(t.Dc(), t.X(0.18), t.Y(0.82), nullptr);
  LineTo(t.Dc(), t.X(0.82), t.Y(0.82));
  DrawGlyph(t, RECT{t.X(0.08), t.Y(0.08), t.X(0.92), t.Y(0.82)}, glyph, 0.7, ink);
}

void DrawCell(const Tile& t, int dots, COLORREF ink) {
  HBRUSH filled = CreateSolidBrush(ink);
  const double radius = figure_shape::kDotRadius;
  for (int dot = 0; dot < 6; ++dot) {
    const double x = figure_shape::DotX(dot);
    const double y = figure_shape::DotY(dot);
    HGDIOBJ old = SelectObject(t.Dc(), (dots & (1 << dot)) != 0 ? filled : GetStockObject(NULL_BRUSH));
    Ellipse(t.Dc(), t.X(x - radius), t.Y(y - radius), t.X(x + radius), t.Y(y + radius));
    SelectObject(t.Dc(), old);
  }
  DeleteObject(filled);
}

void DrawBox(const Tile& t, bool ticked, COLORREF ink) {
  Rectangle(t.Dc(), t.X(0.15), t.Y(0.15), t.X(0.85), t.Y(0.85));
  if (!ticked) return;
  HPEN thick = CreatePen(PS_SOLID, Stroke(t.Side(), 7), ink);
  HGDIOBJ old = SelectObject(t.Dc(), thick);
  const POINT tick[] = {t.At(0.28, 0.5), t.At(0.44, 0.68), t.At(0.74, 0.3)};
  Polyline(t.Dc(), tick, 3);
  SelectObject(t.Dc(), old);
  DeleteObject(thick);
}

}  // namespace

bool DrawPictureRows(HDC dc, int id, const RECT& box) {
  const PictureRow* row = FindPictureRow(id);
  if (row == nullptr || box.right <= box.left) return false;
  const COLORREF paper = ProgramColour(row->paper);
  const COLORREF ink = ProgramColour(row->ink);
  const Tile t(dc, box);
  HBRUSH tile = CreateSolidBrush(paper);
  FillRect(dc, &box, tile);
  DeleteObject(tile);
  HPEN pen = CreatePen(PS_SOLID, Stroke(t.Side(), 12), ink);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  switch (row->figure) {
    case PictureFigure::kBlank:
      break;
    case PictureFigure::kPage:
      DrawPage(t);
      break;
    case PictureFigure::kKeyCap:
      DrawKeyCap(t, row->glyph, ink);
      break;
    case PictureFigure::kCell:
      DrawCell(t, row->dots, ink);
      break;
    case PictureFigure::kGlyph:
      DrawGlyph(t, box, row->glyph, 0.8, ink);
      break;
    case PictureFigure::kBoxTicked:
    case PictureFigure::kBoxEmpty:
      DrawBox(t, row->figure == PictureFigure::kBoxTicked, ink);
      break;
  }
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(pen);
  return true;
}

}  // namespace orvo::win32
