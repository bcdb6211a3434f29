// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_shell.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace orvo::qt {

std::optional<Rect> BandOutside(const QRect& screen, const QRect& available) {
  if (!screen.isValid() || !available.isValid() || available == screen) return std::nullopt;
  const int w = screen.width();
  const int h = screen.height();
  const int top = available.top() - screen.top();
  const int bottom = screen.bottom() - available.bottom();
  const int left = available.left() - screen.left();
  const int right = screen.right() - available.right();
  struct Band {
    int thickness;
    Rect rect;
  };
  const Band bands[] = {
      {bottom, {0, h - bottom, w, bottom}},
      {top, {0, 0, w, top}},
      {left, {0, 0, left, h}},
      {right, {w - right, 0, right, h}},
  };
  const Band* widest = nullptr;
  for (const Band& band : bands) {
    if (band.thickness > 0 && (widest == nullptr || band.thickness > widest->thickness)) {
      widest = &band;
    }
  }
  if (widest == nullptr) return std::nullopt;
  return widest->rect;
}

std::optional<Rect> QtShell::TaskBarRect() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return std::nullopt;
  return BandOutside(screen->geometry(), screen->availableGeometry());
}

std::uint32_t QtShell::ButtonFace() const {
  const QColor c = QGuiApplication::palette().color(QPalette::Button);
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

void QtShell::SetMousePointer(int pointer) {
  if (pointer == pointer_) return;
  if (pointer_ == mouse_pointer::kHourglass) QGuiApplication::restoreOverrideCursor();
  if (pointer == mouse_pointer::kHourglass) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  pointer_ = pointer;
}

}  // namespace orvo::qt
