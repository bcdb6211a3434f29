#pragma once
// The settings file's choice of conversion engine: [SETTING] Engine=auto,
// mozc or anthy in Orvo_4.ini of the program folder. Only read: the settings
// dialog does not offer it, and nothing writes it but the person.
#include <string>

#include "platform/code_page.h"
#include "frontends/shared/engine_choice.h"
#include "platform/file_system.h"

namespace orvo::emu {

// `fallback` when the file, the key or a known value is missing.
EngineChoice ReadEngineSetting(const std::string& folder, EngineChoice fallback, FileSystem& files,
                               const SystemCodePage& code_page);

}  // namespace orvo::emu
