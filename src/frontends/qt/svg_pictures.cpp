// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/svg_pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <iterator>

#include "toolkit/picture_ids.h"
#include "platform/posix/data_folder.h"

namespace orvo::qt {
namespace {

struct SvgRow {
  int id;
  const char* file;  // under the data folder
  bool on_white;     // false: transparent where it draws nothing (over a face)
};
constexpr SvgRow kSvgRows[] = {
    {picture_id::kDiagramOverview, "diagrams/overview.svg", true},
    {picture_id::kDiagramIme, "diagrams/ime_keys.svg", true},
    {picture_id::kDiagramExplanations, "diagrams/explanations.svg", true},
    {picture_id::kDiagramExample, "diagrams/example.svg", true},
    {picture_id::kSplash, "pictures/splash.svg", false},
};

const SvgRow* Find(int id) {
  const auto* row = std::ranges::find(kSvgRows, id, &SvgRow::id);
  return row == std::end(kSvgRows) ? nullptr : row;
}

}  // namespace

bool IsSvgPicture(int id) { return Find(id) != nullptr; }

QPixmap SvgPicture(int id, QSize size, qreal ratio) {
  const SvgRow* row = Find(id);
  if (row == nullptr || size.width() < 1 || size.height() < 1) return {};
  static const auto folder = posix::FindOwnDataFolder().path;
  if (folder.empty()) return {};
  QSvgRenderer renderer(QString::fromStdString((folder / row->file).string()));
  if (!renderer.isValid()) return {};
  // Drawn in the screen's own pixels: a scaled desktop gets sharp lines and letters.
  ratio = std::max<qreal>(1.0, ratio);
  QPixmap pixmap(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(row->on_white ? QColor(Qt::white) : QColor(Qt::transparent));
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

}  // namespace orvo::qt
