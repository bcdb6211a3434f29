// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/nul_shown.h"

namespace orvo::native {

ustring WithNulShown(ustring_view text) {
  ustring shown(text);
  for (char16_t& ch : shown) {
    if (ch == u'\0') ch = u'\u2400';
  }
  return shown;
}

}  // namespace orvo::native
