// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/forms/face_image.h"

#include <QImage>

namespace orvo::qt {

QPixmap FacePixmap(const Bitmap& face) {
  if (face.Width() <= 0 || face.Height() <= 0) return {};
  QImage image(face.Width(), face.Height(), QImage::Format_RGB32);
  for (int y = 0; y < face.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < face.Width(); ++x) {
      const Colour c = face.Pixel(x, y);
      line[x] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace orvo::qt
