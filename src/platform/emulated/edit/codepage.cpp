// SPDX-License-Identifier: GPL-3.0-or-later
// What every system's converter shares; the conversions themselves are the
// system's (codepage_posix.cpp, codepage_win32.cpp).
#include "platform/emulated/edit/codepage.h"

#include <cctype>

namespace orvo::emu {

std::optional<CodePage> ParseCodePage(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "cp932") return CodePage::kCp932;
  if (lower == "utf-8" || lower == "utf8") return CodePage::kUtf8;
  if (lower == "locale") return CodePage::kLocale;
  return std::nullopt;
}

int ByteLength(ustring_view text, CodePage code_page) {
  const Encoded encoded = Encode(text, code_page);
  if (encoded.status == ConvStatus::kUnsupported) return -1;
  return static_cast<int>(encoded.bytes.size());
}

}  // namespace orvo::emu
