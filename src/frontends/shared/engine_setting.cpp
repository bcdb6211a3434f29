// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/engine_setting.h"

#include "platform/emulated/system_code_page.h"
#include "settings/ini_file.h"

namespace orvo::emu {

namespace {

// The key's value; empty when the file or the key is missing.
std::string ReadSetting(const std::string& folder, const char16_t* key, FileSystem& files,
                        const SystemCodePage& code_page) {
  if (folder.empty()) return {};
  // The file may be in another code page than the system's: its own is found when it is read.
  const ConvertingCodePage utf8(CodePage::kUtf8);
  const ConvertingCodePage cp932(CodePage::kCp932);
  const FileCodePages pages{code_page, utf8, cp932};
  settings::IniFile ini(files, pages);
  if (!ini.SetINIpath(FromUtf8(folder + "/Orvo_4.ini"))) return {};
  return ToUtf8(ini.sReadINI(u"SETTING", key, u""));
}

}  // namespace

EngineChoice ReadEngineSetting(const std::string& folder, EngineChoice fallback, FileSystem& files,
                               const SystemCodePage& code_page) {
  return ParseEngineChoice(ReadSetting(folder, u"Engine", files, code_page)).value_or(fallback);
}

CodePage ReadCodePageSetting(const std::string& folder, CodePage fallback, FileSystem& files) {
  // Read before the system code page is known: the key and its values are ASCII in every one.
  const ConvertingCodePage ascii(CodePage::kUtf8);
  return ParseCodePage(ReadSetting(folder, u"CodePage", files, ascii)).value_or(fallback);
}

}  // namespace orvo::emu
