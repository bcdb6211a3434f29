#include "frontends/shared/engine_setting.h"

#include "settings/ini_file.h"

namespace orvo::emu {

EngineChoice ReadEngineSetting(const std::string& folder, EngineChoice fallback, FileSystem& files,
                               const SystemCodePage& code_page) {
  if (folder.empty()) return fallback;
  settings::IniFile ini(files, code_page);
  if (!ini.SetINIpath(FromUtf8(folder + "/Orvo_4.ini"))) return fallback;
  const ustring value = ini.sReadINI(u"SETTING", u"Engine", u"");
  return ParseEngineChoice(ToUtf8(value)).value_or(fallback);
}

}  // namespace orvo::emu
