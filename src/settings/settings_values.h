// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which values the program takes from the settings file. A value outside
// these gives its default: a colour must be an RGB value (0 to 0xFFFFFF), a
// font size 6 to 144 points, a font name 1 to 64 characters without control
// characters or undecodable bytes. A recent-file entry with control
// characters or undecodable bytes is an empty slot.
#include <cstdint>

#include "platform/text.h"
#include "toolkit/settings_record.h"

namespace orvo::settings {

inline constexpr std::int32_t kMaxColour = 0xFFFFFF;
inline constexpr std::int32_t kMinFontSize = 6;
inline constexpr std::int32_t kMaxFontSize = 144;
inline constexpr std::size_t kMaxFontNameLength = 64;

bool IsColour(std::int32_t value);
bool IsFontSize(std::int32_t value);
bool IsFontName(ustring_view name);
bool IsRecentEntry(ustring_view entry);

// Each display setting, once: its key in the settings file's [SETTING]
// section, its field of the record (whose initial value is its default), and
// what a usable value is. In the order the file holds them.
struct NumberSetting {
  const char16_t* key;
  std::int32_t SettingsRecord::*field;
  bool (*usable)(std::int32_t);
};
struct TextSetting {
  const char16_t* key;
  ustring SettingsRecord::*field;
  bool (*usable)(ustring_view);
};
inline constexpr NumberSetting kNumberSettings[] = {
    {u"BC", &SettingsRecord::BackColor, IsColour},
    {u"FC", &SettingsRecord::ForeColor, IsColour},
    {u"FS", &SettingsRecord::FontSize, IsFontSize},
};
inline constexpr TextSetting kFontNameSetting{u"FN", &SettingsRecord::FontName, IsFontName};

// The record with each field that is not a usable value set to its default.
SettingsRecord WithDefaultsForBadValues(SettingsRecord record);

}  // namespace orvo::settings
