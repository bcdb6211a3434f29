// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/literals.h"

namespace orvo::emu {

bool IsConvertibleKana(char16_t ch) {
  return (ch >= u'ぁ' && ch <= u'ゖ') || ch == u'ー' || ch == u'ヴ';
}

bool KeepsLiterals(ustring_view reading, ustring_view candidate) {
  std::size_t at = 0;
  for (char16_t ch : reading) {
    if (IsConvertibleKana(ch)) continue;
    at = candidate.find(ch, at);
    if (at == ustring_view::npos) return false;
    ++at;
  }
  return true;
}

}  // namespace orvo::emu
