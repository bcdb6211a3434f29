// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/desktop_colours.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <iterator>

#include "toolkit/forms/control.h"
#include "toolkit/message_box.h"
#include "frontends/qt/qt_text.h"

namespace orvo::qt {
namespace {

struct StockColour {
  std::uint32_t rgb;
  ColourUse use;
};

// The colours the program gives its windows when it knows of no others.
constexpr StockColour kStock[] = {
    {forms::colour::kButtonFace, ColourUse::kBackground},
    {mb_color::kGrey, ColourUse::kBackground},
    {forms::colour::kBlack, ColourUse::kText},
    {mb_color::kDarkBlue, ColourUse::kText},
    {mb_color::kDarkRed, ColourUse::kText},
};

constexpr QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::ButtonText, QPalette::Text};

}  // namespace

bool DesktopSetsColours() {
  const QStyle* style = QApplication::style();
  if (style == nullptr) return false;
  const QPalette desktop = QApplication::palette();
  const QPalette stock = style->standardPalette();
  const QPalette::ColorRole roles[] = {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text,
                                       QPalette::Button, QPalette::ButtonText, QPalette::Highlight};
  return std::any_of(std::begin(roles), std::end(roles),
                     [&](QPalette::ColorRole role) { return desktop.color(role) != stock.color(role); });
}

bool GivesWay(std::uint32_t rgb, ColourUse use) {
  const bool stock = std::any_of(std::begin(kStock), std::end(kStock),
                                 [&](const StockColour& s) { return s.rgb == rgb && s.use == use; });
  return stock && DesktopSetsColours();
}

QPalette PaletteFor(const QWidget& widget, std::uint32_t fore, std::uint32_t back, bool fills) {
  QPalette pal = widget.palette();
  const QPalette desktop = QApplication::palette(&widget);
  const bool own_text = !GivesWay(fore, ColourUse::kText);
  for (QPalette::ColorRole role : kTextRoles) pal.setColor(role, own_text ? ToQColor(fore) : desktop.color(role));
  const bool own_back = !GivesWay(back, ColourUse::kBackground);
  pal.setColor(QPalette::Button, own_back ? ToQColor(back) : desktop.color(QPalette::Button));
  if (fills) {
    pal.setColor(QPalette::Window, own_back ? ToQColor(back) : desktop.color(QPalette::Window));
    pal.setColor(QPalette::Base, own_back ? ToQColor(back) : desktop.color(QPalette::Base));
  }
  return pal;
}

}  // namespace orvo::qt
