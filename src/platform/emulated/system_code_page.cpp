// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/system_code_page.h"

#include <algorithm>

namespace orvo::emu {

std::string ConvertingCodePage::Encode(ustring_view text, int* unconvertible) const {
  Encoded e = emu::Encode(text, code_page_);
  if (unconvertible != nullptr) *unconvertible = e.unconvertible;
  return std::move(e.bytes);
}

ustring ConvertingCodePage::Decode(std::string_view bytes, int* unconvertible) const {
  Decoded d = emu::Decode(bytes, code_page_);
  if (unconvertible != nullptr) *unconvertible = d.unconvertible;
  return std::move(d.text);
}

long long ConvertingCodePage::ByteLength(ustring_view text) const {
  long long total = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    if (pair) {  // rare: asked each time
      total += std::max(emu::ByteLength(text.substr(i, 2), code_page_), 1);
      ++i;
      continue;
    }
    std::uint8_t& width = widths_[c];
    if (width == 0) width = static_cast<std::uint8_t>(std::max(emu::ByteLength(ustring(1, c), code_page_), 1));
    total += width;
  }
  return total;
}

}  // namespace orvo::emu
