#include "settings/settings_command.h"

#include "app/main_window.h"
#include "app/program.h"
#include "settings/settings_window.h"

namespace orvo::settings {

void RunSettingsDialog(Program& program) {
  {
    SettingsWindow dialog(program);
    dialog.Run();
  }
  program.DoEvents();
  if (!program.flags.SettingsApplied) return;
  // In the order the text box takes them: background, text colour, font, size.
  const SettingsRecord& look = program.CurrentSettings;
  forms::TextBoxControl& box = program.Main().TextBoxAt(program.Main().ActiveIndex());
  box.SetBackColor(static_cast<std::uint32_t>(look.BackColor) & 0xFFFFFFu);
  box.SetForeColor(static_cast<std::uint32_t>(look.ForeColor) & 0xFFFFFFu);
  FontSpec font = box.Font();
  font.name = look.FontName;
  box.SetFont(font);
  font.points = look.FontSize;
  box.SetFont(font);
  program.DoEvents();
  program.flags.SettingsApplied = false;
}

}  // namespace orvo::settings
