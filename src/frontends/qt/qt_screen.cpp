// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace orvo::qt {
namespace {

constexpr double kTwipsPerInch = 1440.0;

QScreen* Primary() { return QGuiApplication::primaryScreen(); }

double TwipsPerPixel(double dpi) { return dpi > 0 ? kTwipsPerInch / dpi : 15.0; }

}  // namespace

double QtScreen::TwipsPerPixelX() const {
  return TwipsPerPixel(Primary() ? Primary()->logicalDotsPerInchX() : 96.0);
}

double QtScreen::TwipsPerPixelY() const {
  return TwipsPerPixel(Primary() ? Primary()->logicalDotsPerInchY() : 96.0);
}

double QtScreen::WidthTwips() const {
  return (Primary() ? Primary()->geometry().width() : 1024) * TwipsPerPixelX();
}

double QtScreen::HeightTwips() const {
  return (Primary() ? Primary()->geometry().height() : 768) * TwipsPerPixelY();
}

double QtScreen::DevicePixelRatio() const { return Primary() ? Primary()->devicePixelRatio() : 1.0; }

int QtScreen::BitsPerPixel() const { return Primary() ? Primary()->depth() : 32; }

}  // namespace orvo::qt
