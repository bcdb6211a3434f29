// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_command.h"

#include "toolkit/forms/text_box_control.h"

namespace orvo::settings {

void RunSettingsDialog(const WindowContext& context, const SettingsPorts& ports) {
  {
    SettingsWindow dialog(context, ports);
    dialog.Run();
  }
  context.DoEvents();
  if (!context.flags.SettingsApplied) return;
  // In the order the text box takes them: background, text colour, font, size.
  const SettingsRecord& look = ports.current;
  forms::TextBoxControl& box = context.owner.DocumentControl();
  box.SetBackColor(static_cast<std::uint32_t>(look.BackColor) & 0xFFFFFFu);
  box.SetForeColor(static_cast<std::uint32_t>(look.ForeColor) & 0xFFFFFFu);
  FontSpec font = box.Font();
  font.name = look.FontName;
  box.SetFont(font);
  font.points = look.FontSize;
  box.SetFont(font);
  context.DoEvents();
  context.flags.SettingsApplied = false;
}

}  // namespace orvo::settings
