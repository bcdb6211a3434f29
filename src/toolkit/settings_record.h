// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's display settings: text background and colour, font face and size.
#include <cstdint>

#include "platform/text.h"

namespace orvo::settings {

struct SettingsRecord {
  std::int32_t BackColor = 16777215;  // white
  std::int32_t ForeColor = 0;         // black
  ustring FontName = u"FixedSys";
  std::int32_t FontSize = 14;
  bool operator==(const SettingsRecord&) const = default;
};

}  // namespace orvo::settings
