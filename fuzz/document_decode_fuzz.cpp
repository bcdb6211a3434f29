// SPDX-License-Identifier: GPL-3.0-or-later
// A document's bytes as any file may hold them: decoding never fails
// outright, a text found in UTF-8 or CP932 encodes back to the same bytes in
// the code page it came in (a byte-order mark included), and the size on
// disk the status line shows is what encoding gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/text_file.h"
#include "platform/emulated/system_code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvo::emu::ConvertingCodePage cp932(orvo::emu::CodePage::kCp932);
  static const orvo::emu::ConvertingCodePage utf8(orvo::emu::CodePage::kUtf8);
  static const orvo::FileCodePages pages{cp932, utf8, cp932};
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const orvo::files::DecodedFile decoded = orvo::files::DecodeFile(bytes, pages);
  if (!decoded.valid) return 0;
  const orvo::files::EncodedFile encoded =
      orvo::files::EncodeFile(decoded.text, decoded.ends, decoded.encoding, pages);
  if (!encoded.unstorable &&
      static_cast<long long>(encoded.bytes.size()) !=
          orvo::files::DiskBytes(decoded.text, decoded.ends, decoded.encoding, pages)) {
    std::abort();
  }
  // Valid UTF-8 comes back byte for byte.
  if (decoded.encoding.code_page == orvo::files::FileCodePage::kUtf8 && encoded.bytes != bytes) std::abort();
  // A text decoded from LF lines has no bare LF left for the text box.
  if (decoded.ends == orvo::files::LineEnds::kLf) {
    for (std::size_t i = 0; i < decoded.text.size(); ++i) {
      if (decoded.text[i] == u'\n' && (i == 0 || decoded.text[i - 1] != u'\r')) std::abort();
    }
  }
  return 0;
}
