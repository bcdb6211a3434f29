// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file Orvo_4.ini: the display settings in section "SETTING"
// (BC, FC, FS, FN) and the recent files in section "MRU" (1 the most recent
// to 4). Read once at start-up; written when it is missing then, when the
// user saves the settings, and when the main window closes.
#include <array>

#include "toolkit/message_box.h"
#include "toolkit/program_values.h"
#include "platform/platform.h"
#include "toolkit/settings_record.h"

namespace orvo::settings {

// The recent-files history, slots 1-8 as [0]..[7]; each entry is the file
// name, a backslash and the full path.
using RecentSlots = std::array<ustring, 8>;
// The recent files shown in the menu, 1 (most recent) to 4.
using RecentList = std::array<ustring, 4>;

class SettingsFile {
 public:
  // The file is values.SettingsPath, as start-up sets it.
  SettingsFile(Platform& platform, MessageBox& messages, const ProgramValues& values)
      : platform_(platform), messages_(messages), values_(values) {}

  // Reads the display settings and the four recent files into history slots
  // 4 to 1 (the most recent highest); a missing file is made with the
  // defaults. Bad values give their defaults. False when the file exists but
  // cannot be read (the failure has been told): the program cannot go on.
  bool LoadSettings(SettingsRecord& saved, RecentSlots& history);
  // Writes the display settings; false (and told) when the file was not written.
  bool SaveSettings(const SettingsRecord& saved);
  // Writes the shown list to the MRU keys; a missing file is first given the
  // defaults, and `saved` with it. False (and told) when nothing was written.
  bool SaveRecentFiles(const RecentList& shown, SettingsRecord& saved);
  // Sets `saved` to the defaults and writes them with four empty recent
  // files; a failed write is told and the program goes on with the defaults.
  bool WriteDefaultSettings(SettingsRecord& saved);

 private:
  void TellSaveFailure(const ustring& tag, int owner, const FileError& error);

  Platform& platform_;
  MessageBox& messages_;
  const ProgramValues& values_;
};

}  // namespace orvo::settings
