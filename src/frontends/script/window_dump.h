// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's state as JSON: rectangle, layout, status line, menus.
#include <nlohmann/json.hpp>

#include "app/main_window.h"

namespace orvo::script {

nlohmann::json DumpMainWindow(MainWindow& window);

}  // namespace orvo::script
