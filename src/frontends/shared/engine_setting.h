// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file's choices made before the program starts: the conversion
// engine, [SETTING] Engine=auto, mozc or anthy, and the code page of new
// texts, [SETTING] CodePage=CP932, UTF-8 or locale, in Orvo_4.ini of the
// program folder. Only read: the settings dialog does not offer them, and
// nothing writes them but the person.
#include <string>

#include "frontends/shared/engine_choice.h"
#include "platform/code_page.h"
#include "platform/emulated/edit/codepage.h"
#include "platform/file_system.h"

namespace orvo::emu {

// `fallback` when the file, the key or a known value is missing.
EngineChoice ReadEngineSetting(const std::string& folder, EngineChoice fallback, FileSystem& files,
                               const SystemCodePage& code_page);
CodePage ReadCodePageSetting(const std::string& folder, CodePage fallback, FileSystem& files);

}  // namespace orvo::emu
