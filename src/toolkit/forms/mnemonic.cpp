// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/forms/mnemonic.h"

namespace orvo::forms {
namespace {

char16_t Upper(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
  // Full-width letters and digits answer to the same keys as their ASCII forms.
  if (c >= u'ａ' && c <= u'ｚ') return static_cast<char16_t>(c - u'ａ' + u'A');
  if (c >= u'Ａ' && c <= u'Ｚ') return static_cast<char16_t>(c - u'Ａ' + u'A');
  if (c >= u'０' && c <= u'９') return static_cast<char16_t>(c - u'０' + u'0');
  return c;
}

}  // namespace

char16_t MnemonicOf(ustring_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;  // a literal ampersand
      continue;
    }
    return Upper(caption[i + 1]);
  }
  return 0;
}

ustring StripMnemonic(ustring_view caption) {
  ustring out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    out.push_back(caption[i]);
  }
  return out;
}

bool IsMnemonicKey(int key_code, char16_t mnemonic) {
  if (mnemonic == 0) return false;
  const bool letter_or_digit =
      (mnemonic >= u'A' && mnemonic <= u'Z') || (mnemonic >= u'0' && mnemonic <= u'9');
  return letter_or_digit && key_code == static_cast<int>(mnemonic);
}

}  // namespace orvo::forms
