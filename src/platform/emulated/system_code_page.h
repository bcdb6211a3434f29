// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system code page as the system converts it: CP932, UTF-8 or the
// locale's charset (iconv on Linux, the code page functions on Windows).
#include <cstdint>
#include <vector>

#include "platform/code_page.h"
#include "platform/emulated/edit/codepage.h"

namespace orvo::emu {

class ConvertingCodePage : public SystemCodePage {
 public:
  explicit ConvertingCodePage(CodePage code_page) : code_page_(code_page) {}

  std::string Name() const override { return CharsetName(code_page_); }
  std::string Encode(ustring_view text, int* unconvertible) const override;
  ustring Decode(std::string_view bytes, int* unconvertible) const override;
  long long ByteLength(ustring_view text) const override;

 private:
  CodePage code_page_;
  // Bytes of each character once asked (0: not yet): the status line counts
  // the whole text after every key, so iconv sees each character only once.
  mutable std::vector<std::uint8_t> widths_ = std::vector<std::uint8_t>(0x10000, 0);
};

}  // namespace orvo::emu
