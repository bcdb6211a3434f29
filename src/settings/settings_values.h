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

// The record with each field that is not a usable value set to its default.
SettingsRecord WithDefaultsForBadValues(SettingsRecord record);

}  // namespace orvo::settings
