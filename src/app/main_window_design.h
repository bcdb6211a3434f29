// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the main window's toolbar and status-line controls stand before any
// layout rule moves them: the strips they sit in and their design-time places.
namespace orvo {

class MainWindow;

// cmdTOOL's left: the filler starts after the mode area and stretches to the right.
inline constexpr int kToolLeft = 450;

void PlaceDesignControls(MainWindow& window);

}  // namespace orvo
