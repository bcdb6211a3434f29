// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/shared_image.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace orvo::qt {

void SettleSharedImage(QWidget& window, QPoint painted_at) {
  static const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
  if (!x11 || !window.isWindow() || !window.isVisible()) return;
  const QWindow* handle = window.windowHandle();
  QBackingStore* store = window.backingStore();
  // Beginning a paint clears the part to transparent where the image has an
  // alpha channel; only an opaque window's stays as it was.
  if (handle == nullptr || store == nullptr || handle->requestedFormat().hasAlpha() ||
      window.testAttribute(Qt::WA_TranslucentBackground)) {
    return;
  }
  if (!window.rect().contains(painted_at)) return;
  // A paint begun over a part the server was handed makes the backing store
  // wait for the server, and forget all it handed over; nothing is painted,
  // and nothing new is handed over.
  const QRegion pixel(QRect(painted_at, QSize(1, 1)));
  store->beginPaint(pixel);
  store->endPaint();
}

}  // namespace orvo::qt
