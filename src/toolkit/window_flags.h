// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Flags of the main window that the secondary windows and the menus share.
namespace orvo {

struct WindowFlags {
  bool MainHasFocus = false;
  bool ReturnFromWindow = false;
  bool FindOpen = false;
  bool DiagramsOpen = false;
  bool HelperOpen = false;
  bool SplashOpen = false;
  bool Started = false;
  bool MenuBrailleMode = false;
  bool SettingsApplied = false;  // the settings dialog changed the current settings
};

}  // namespace orvo
