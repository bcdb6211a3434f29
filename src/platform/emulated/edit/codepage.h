// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Conversions between the program's UTF-16 text and the bytes of a code page:
// CP932 (Shift-JIS as Windows has it), UTF-8, or the system's own (the charset
// of the current C locale on Linux, the ANSI code page on Windows).
// Characters the target cannot hold are reported, never silently dropped;
// they become '?' in bytes and U+FFFD in text, as the desktop's own
// converters substitute them.
#include <optional>
#include <string>
#include <string_view>

#include "platform/text.h"

namespace orvo::emu {

enum class CodePage {
  kCp932,
  kLocale,  // Linux: nl_langinfo(CODESET), what setlocale(LC_CTYPE) chose; Windows: the ANSI code page
  kUtf8,
};

// A code page as --codepage and the settings file's [SETTING] CodePage name
// it: CP932, UTF-8 or locale, in any letter case; nothing for another word.
std::optional<CodePage> ParseCodePage(std::string_view name);

enum class ConvStatus {
  kOk,
  kUnconvertible,  // some characters or bytes were substituted
  kUnsupported,    // the system has no converter for the code page; output empty
};

struct Encoded {
  std::string bytes;
  ConvStatus status = ConvStatus::kOk;
  int unconvertible = 0;         // characters substituted
  int first_unconvertible = -1;  // UTF-16 position of the first of them
};

struct Decoded {
  ustring text;
  ConvStatus status = ConvStatus::kOk;
  int unconvertible = 0;         // byte sequences substituted
  int first_unconvertible = -1;  // byte offset of the first of them
};

std::string CharsetName(CodePage code_page);

Encoded Encode(ustring_view text, CodePage code_page);
Decoded Decode(std::string_view bytes, CodePage code_page);

// Length of the text in the code page's bytes, substitutes counted as one;
// -1 when the system has no converter for the code page.
int ByteLength(ustring_view text, CodePage code_page);

inline Encoded ToCp932(ustring_view text) { return Encode(text, CodePage::kCp932); }
inline Decoded FromCp932(std::string_view bytes) { return Decode(bytes, CodePage::kCp932); }
inline int Cp932ByteLength(ustring_view text) { return ByteLength(text, CodePage::kCp932); }

}  // namespace orvo::emu
