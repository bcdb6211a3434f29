// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_values.h"

namespace orvo::settings {
namespace {

// Control characters (C0, DEL, C1) and the replacement character that stands
// for bytes the code page could not decode.
bool IsPlainText(ustring_view text) {
  for (const char16_t c : text) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFFFD) return false;
  }
  return true;
}

}  // namespace

bool IsColour(std::int32_t value) { return value >= 0 && value <= kMaxColour; }

bool IsFontSize(std::int32_t value) { return value >= kMinFontSize && value <= kMaxFontSize; }

bool IsFontName(ustring_view name) {
  return !name.empty() && name.size() <= kMaxFontNameLength && IsPlainText(name);
}

bool IsRecentEntry(ustring_view entry) { return IsPlainText(entry); }

SettingsRecord WithDefaultsForBadValues(SettingsRecord record) {
  const SettingsRecord defaults;
  for (const NumberSetting& n : kNumberSettings) {
    if (!n.usable(record.*n.field)) record.*n.field = defaults.*n.field;
  }
  const TextSetting& t = kFontNameSetting;
  if (!t.usable(record.*t.field)) record.*t.field = defaults.*t.field;
  return record;
}

}  // namespace orvo::settings
