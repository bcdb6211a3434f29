// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_choices.h"

#include <algorithm>

namespace orvo::settings {

bool IsFixedSizeFont(ustring_view name) {
  return std::any_of(kFixedSizeFonts.begin(), kFixedSizeFonts.end(),
                     [name](const char16_t* fixed) { return name == fixed; });
}

}  // namespace orvo::settings
