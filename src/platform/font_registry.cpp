// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/font_registry.h"

#include <algorithm>

namespace orvo {

bool FontRegistry::HasFamily(ustring_view family) const {
  const std::vector<ustring> all = Families();
  return std::ranges::find(all, family) != all.end();
}

}  // namespace orvo
