#pragma once
// The system code page: what files, the settings file and byte counts use
// (Shift-JIS on a Japanese system; on Linux the locale's charset or CP932).
#include <string>
#include <string_view>

#include "platform/text.h"

namespace orvo {

class SystemCodePage {
 public:
  virtual ~SystemCodePage() = default;
  virtual std::string Name() const = 0;
  // Characters the code page lacks become '?' and are counted in `unconvertible`.
  virtual std::string Encode(ustring_view text, int* unconvertible) const = 0;
  // Byte sequences that are not text become U+FFFD and are counted.
  virtual ustring Decode(std::string_view bytes, int* unconvertible) const = 0;
  // The length of the text in the code page's bytes.
  virtual long long ByteLength(ustring_view text) const = 0;
};

}  // namespace orvo
