// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/picture_set.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <array>
#include <map>

#include "toolkit/picture_ids.h"
#include "braille/input_modes.h"
#include "frontends/qt/font_map.h"

namespace orvo::qt {
namespace {

// Pictures the desktop's style draws.
struct StandardRow {
  int id;
  QStyle::StandardPixmap pixmap;
};
constexpr StandardRow kStandardRows[] = {
    {picture_id::kMessageStop, QStyle::SP_MessageBoxCritical},
    {picture_id::kMessageQuestion, QStyle::SP_MessageBoxQuestion},
    {picture_id::kMessageExclamation, QStyle::SP_MessageBoxWarning},
    {picture_id::kMessageInformation, QStyle::SP_MessageBoxInformation},
};

constexpr std::array kIconSizes = {16, 20, 24, 32, 48, 64};

const PictureRow* Find(int id) { return FindPictureRow(id); }

// Lines thick enough to see at every size.
qreal Stroke(int size, int divisor) {
  return std::max<qreal>(1.0, static_cast<qreal>(size) / divisor);
}

void DrawGlyph(QPainter& p, const QRectF& box, const char16_t* glyph, qreal fill) {
  QFont font(FamilyFor(u"ＭＳ ゴシック"));
  font.setBold(true);
  font.setPixelSize(std::max(1, static_cast<int>(box.height() * fill)));
  p.setFont(font);
  p.drawText(box, Qt::AlignCenter, QString::fromUtf16(glyph));
}

void DrawPage(QPainter& p, qreal s) {
  const qreal l = s * 0.2, t = s * 0.1, r = s * 0.8, b = s * 0.9, fold = s * 0.22;
  QPainterPath page;
  page.moveTo(l, t);
  page.lineTo(r - fold, t);
  page.lineTo(r, t + fold);
  page.lineTo(r, b);
  page.lineTo(l, b);
  page.closeSubpath();
  p.drawPath(page);
  p.drawPolyline(QPolygonF({{r - fold, t}, {r - fold, t + fold}, {r, t + fold}}));
  for (const qreal y : {0.45, 0.6, 0.75})
    p.drawLine(QPointF(l + s * 0.1, s * y), QPointF(r - s * 0.1, s * y));
}

void DrawKeyCap(QPainter& p, qreal s, const char16_t* glyph) {
  const QRectF key(s * 0.08, s * 0.08, s * 0.84, s * 0.84);
  p.drawRoundedRect(key, s * 0.14, s * 0.14);
  // The deeper front edge makes it a key, not a frame.
  p.drawLine(QPointF(key.left() + s * 0.1, key.bottom() - s * 0.1),
             QPointF(key.right() - s * 0.1, key.bottom() - s * 0.1));
  DrawGlyph(p, key.adjusted(0, 0, 0, -s * 0.1), glyph, 0.7);
}

void DrawCell(QPainter& p, qreal s, int dots, QColor ink) {
  const qreal radius = s * figure_shape::kDotRadius;
  for (int dot = 0; dot < 6; ++dot) {
    const QPointF centre(s * figure_shape::DotX(dot), s * figure_shape::DotY(dot));
    p.setBrush((dots & (1 << dot)) != 0 ? QBrush(ink) : Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
  }
}

void DrawBox(QPainter& p, qreal s, bool ticked, int size) {
  p.drawRect(QRectF(s * 0.15, s * 0.15, s * 0.7, s * 0.7));
  if (!ticked) return;
  QPen pen = p.pen();
  pen.setWidthF(Stroke(size, 7));
  p.setPen(pen);
  p.drawPolyline(QPolygonF({{s * 0.28, s * 0.5}, {s * 0.44, s * 0.68}, {s * 0.74, s * 0.3}}));
}

void Draw(QPainter& p, const PictureRow& row, int size) {
  const auto s = static_cast<qreal>(size);
  const QColor ink = QColor::fromRgb(row.ink);
  p.fillRect(QRectF(0, 0, s, s), QColor::fromRgb(row.paper));
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(ink, Stroke(size, 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  switch (row.figure) {
    case Figure::kBlank:
      break;
    case Figure::kPage:
      DrawPage(p, s);
      break;
    case Figure::kKeyCap:
      DrawKeyCap(p, s, row.glyph);
      break;
    case Figure::kCell:
      DrawCell(p, s, row.dots, ink);
      break;
    case Figure::kGlyph:
      DrawGlyph(p, QRectF(0, 0, s, s), row.glyph, 0.8);
      break;
    case Figure::kBoxTicked:
    case Figure::kBoxEmpty:
      DrawBox(p, s, row.figure == Figure::kBoxTicked, size);
      break;
  }
}

}  // namespace

QPixmap PicturePixmap(int id, int size) {
  if (size < 1) return {};
  for (const StandardRow& standard : kStandardRows) {
    if (standard.id == id) return QApplication::style()->standardIcon(standard.pixmap).pixmap(size, size);
  }
  const PictureRow* row = Find(id);
  if (row == nullptr) return {};
  QPixmap pixmap(size, size);
  QPainter painter(&pixmap);
  Draw(painter, *row, size);
  return pixmap;
}

QIcon PictureIcon(int id) {
  for (const StandardRow& standard : kStandardRows) {
    if (standard.id == id) return QApplication::style()->standardIcon(standard.pixmap);
  }
  if (Find(id) == nullptr) return {};
  // Drawn once per run: the window asks again on every redraw.
  static std::map<int, QIcon> drawn;
  auto [at, fresh] = drawn.try_emplace(id);
  if (fresh) {
    for (const int size : kIconSizes) at->second.addPixmap(PicturePixmap(id, size));
  }
  return at->second;
}

}  // namespace orvo::qt
