// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings menu command: the settings dialog, then what it applied
// given to the document's text box.
#include "settings/settings_window.h"

namespace orvo::settings {

void RunSettingsDialog(const WindowContext& context, const SettingsPorts& ports);

}  // namespace orvo::settings
