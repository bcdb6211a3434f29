// A document's bytes as any file may hold them, in CP932: decoding never
// fails outright, a valid text encodes back, and the size on disk the status
// line shows is what encoding gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/text_file.h"
#include "platform/emulated/system_code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const orvo::emu::IconvCodePage code_page(orvo::emu::CodePage::kCp932);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const orvo::files::DecodedFile decoded = orvo::files::DecodeFile(bytes, code_page);
  if (!decoded.valid) return 0;
  const orvo::files::EncodedFile encoded = orvo::files::EncodeFile(decoded.text, decoded.ends, code_page);
  if (!encoded.unstorable &&
      static_cast<long long>(encoded.bytes.size()) != orvo::files::DiskBytes(decoded.text, decoded.ends, code_page)) {
    std::abort();
  }
  // A text decoded from LF lines has no bare LF left for the text box.
  if (decoded.ends == orvo::files::LineEnds::kLf) {
    for (std::size_t i = 0; i < decoded.text.size(); ++i) {
      if (decoded.text[i] == u'\n' && (i == 0 || decoded.text[i - 1] != u'\r')) std::abort();
    }
  }
  return 0;
}
