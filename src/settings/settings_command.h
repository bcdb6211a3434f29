#pragma once
// The settings menu command: the settings dialog, then what it applied
// given to the document's text box.
namespace orvo {
class Program;
}

namespace orvo::settings {

void RunSettingsDialog(Program& program);

}  // namespace orvo::settings
