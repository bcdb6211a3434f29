// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include <string>
#include <vector>

#include "files/file_failure.h"
#include "settings/font_list.h"
#include "settings/ini_file.h"
#include "settings/settings_texts.h"
#include "settings/settings_values.h"

namespace orvo::settings {
namespace {

const ustring kSetting = u"SETTING";
const ustring kMru = u"MRU";
// The MRU keys, the most recent first.
const std::array<ustring, 4> kMruKeys = {u"1", u"2", u"3", u"4"};

// Owners of the save failures' boxes: the settings window saves the display
// settings; the recent files are saved as the main window closes.
constexpr int kSettingsWindow = 2;
constexpr int kMainWindow = 1;

ustring Decimal(std::int32_t number) { return FromUtf8(std::to_string(number)); }

std::vector<IniEntry> DisplayEntries(const SettingsRecord& s) {
  std::vector<IniEntry> entries;
  for (const NumberSetting& n : kNumberSettings) entries.push_back({kSetting, n.key, Decimal(s.*n.field)});
  entries.push_back({kSetting, kFontNameSetting.key, s.*kFontNameSetting.field});
  return entries;
}

// The file a first start makes: the default display settings, four empty recent files.
std::vector<IniEntry> DefaultLayout() {
  std::vector<IniEntry> entries = DisplayEntries(SettingsRecord{});
  for (const ustring& key : kMruKeys) entries.push_back({kMru, key, {}});
  return entries;
}

}  // namespace

bool SettingsFile::LoadSettings(SettingsRecord& saved, RecentSlots& history) {
  IniFile ini(platform_.files, platform_.file_code_pages);
  if (!ini.SetINIpath(values_.SettingsPath)) return WriteDefaultSettings(saved);

  const SettingsRecord defaults;
  SettingsRecord read;
  for (const NumberSetting& n : kNumberSettings) {
    read.*n.field = ini.iReadINI(kSetting, n.key, defaults.*n.field);
    // The first read finds a file that cannot be read at all.
    if (const FileError& failure = ini.Failure()) {
      platform_.app.StandardMessage(files::FailureText(text::kReadFailed, failure, values_.SettingsPath),
                                    mb_icon::kStop, text::kReadFailedTitle);
      return false;
    }
  }
  read.*kFontNameSetting.field = ini.sReadINI(kSetting, kFontNameSetting.key, defaults.*kFontNameSetting.field);
  saved = WithDefaultsForBadValues(std::move(read));
  saved.FontName = StandInFont(saved.FontName, platform_.font_files);
  // Key 1 into slot 4, ..., key 4 into slot 1: the most recent sits highest.
  for (std::size_t i = 0; i < kMruKeys.size(); ++i) {
    ustring entry = ini.sReadINI(kMru, kMruKeys[i], {});
    history[kMruKeys.size() - 1 - i] = IsRecentEntry(entry) ? std::move(entry) : ustring();
  }
  return true;
}

bool SettingsFile::WriteDefaultSettings(SettingsRecord& saved) {
  saved = SettingsRecord{};
  IniFile ini(platform_.files, platform_.file_code_pages);
  ini.SetINIpath(values_.SettingsPath);
  if (!ini.SaveINI(DefaultLayout())) {
    platform_.app.StandardMessage(ini.Failure().description, mb_icon::kExclamation,
                                  platform_.app.Title());
  }
  saved.FontName = StandInFont(saved.FontName, platform_.font_files);
  return true;
}

bool SettingsFile::SaveSettings(const SettingsRecord& saved) {
  IniFile ini(platform_.files, platform_.file_code_pages);
  ini.SetINIpath(values_.SettingsPath);
  if (ini.SaveINI(DisplayEntries(saved))) return true;
  TellSaveFailure(text::kSaveFailed, kSettingsWindow, ini.Failure());
  return false;
}

bool SettingsFile::SaveRecentFiles(const RecentList& shown, SettingsRecord& saved) {
  IniFile ini(platform_.files, platform_.file_code_pages);
  std::vector<IniEntry> entries;
  // A file deleted while the program ran comes back with the defaults.
  if (!ini.SetINIpath(values_.SettingsPath)) {
    saved = SettingsRecord{};
    saved.FontName = StandInFont(saved.FontName, platform_.font_files);
    entries = DefaultLayout();
  }
  for (std::size_t i = 0; i < kMruKeys.size(); ++i) {
    // An entry the file's code page cannot hold could only come back as another path.
    const bool storable = IsRecentEntry(shown[i]) && ini.CanHold(shown[i]);
    entries.push_back({kMru, kMruKeys[i], storable ? shown[i] : ustring()});
  }
  if (ini.SaveINI(entries)) return true;
  TellSaveFailure(text::kSaveMruFailed, kMainWindow, ini.Failure());
  return false;
}

void SettingsFile::TellSaveFailure(const ustring& tag, int owner, const FileError& error) {
  messages_.Ask(owner, files::FailureText(tag, error, values_.SettingsPath), message::kStop, {});
}

}  // namespace orvo::settings
