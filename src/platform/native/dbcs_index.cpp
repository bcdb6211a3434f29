// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/dbcs_index.h"

#include <algorithm>

namespace orvo::native {

DbcsIndex::DbcsIndex(ustring_view text) {
  prefix_.reserve(text.size() + 1);
  int width = 0;
  prefix_.push_back(0);
  for (const char16_t ch : text) {
    width += DbcsWidth(ch);
    prefix_.push_back(width);
  }
}

int DbcsIndex::DbcsOf(int pos) const { return prefix_[std::clamp(pos, 0, Size())]; }

int DbcsIndex::PositionOf(int dbcs) const {
  if (dbcs <= 0) return 0;
  // The last position whose count is not past dbcs.
  const auto it = std::upper_bound(prefix_.begin(), prefix_.end(), dbcs);
  return static_cast<int>(it - prefix_.begin()) - 1;
}

}  // namespace orvo::native
