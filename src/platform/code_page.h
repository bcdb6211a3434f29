// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system code page: what new texts, the settings file and byte counts use
// (Shift-JIS on a Japanese system; on Linux the locale's charset, or the one
// the settings file or --codepage chose). A file that is opened is read in the
// code page it came in (files/text_file.h), one of FileCodePages.
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

// The code pages a text file is recognised in, and the one a new text takes.
struct FileCodePages {
  const SystemCodePage& standard;  // the system code page: new texts, ASCII-only files
  const SystemCodePage& utf8;
  const SystemCodePage& cp932;
};

}  // namespace orvo
