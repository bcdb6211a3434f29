// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's colours or the program's: where the desktop gives the windows
// a palette of its own (a dark or high-contrast theme), the program's stock
// window colours (its grey faces, its black, dark blue and dark red text)
// give way to it; every other colour the program sets (a colour swatch, the
// document's colours, a picture) stays. Without such a palette the program's
// own colours are drawn.
#include <QPalette>
#include <cstdint>

class QWidget;

namespace orvo::qt {

// Whether the desktop's palette differs from the style's stock one.
bool DesktopSetsColours();

enum class ColourUse { kText, kBackground };
// Whether `rgb`, used as `use`, is one of the program's stock colours that
// gives way to the desktop's palette now.
bool GivesWay(std::uint32_t rgb, ColourUse use);

// The palette for a widget shown in `fore` on `back`: the desktop's where a
// colour gives way, the program's where not. fills: the widget paints its
// own background (else the window's shows through).
QPalette PaletteFor(const QWidget& widget, std::uint32_t fore, std::uint32_t back, bool fills);

}  // namespace orvo::qt
