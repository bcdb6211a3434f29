#pragma once
// A document's bytes on disk and its text in the text box. Files are in the
// system code page, with no byte-order mark. A file whose line ends are all
// LF (the way of Linux) shows its lines as lines and is written back with LF;
// any other file keeps its bytes exactly.
#include <optional>
#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "platform/text.h"

namespace orvo::files {

enum class LineEnds {
  kAsIs,  // the text's own characters, CR LF included
  kLf,    // the text box's CR LF is LF on disk
};

struct DecodedFile {
  ustring text;  // as the text box holds it
  LineEnds ends = LineEnds::kAsIs;
  bool valid = true;  // false: the bytes are not text in the code page
};

// A character of the text that the code page cannot hold.
struct Unstorable {
  ustring character;
  int line = 0;  // counted from 1
};

struct EncodedFile {
  std::string bytes;
  std::optional<Unstorable> unstorable;  // set: nothing may be written
};

// Files without any CR are LF files; so is a new text.
DecodedFile DecodeFile(std::string_view bytes, const SystemCodePage& code_page);
EncodedFile EncodeFile(ustring_view text, LineEnds ends, const SystemCodePage& code_page);

// The bytes the text takes on disk.
long long DiskBytes(ustring_view text, LineEnds ends, const SystemCodePage& code_page);

}  // namespace orvo::files
