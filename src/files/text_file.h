// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document's bytes on disk and its text in the text box. A file is read in
// the code page it came in and written back in it: valid UTF-8 is UTF-8 (a
// byte-order mark before it is kept), otherwise valid CP932 is CP932; a file
// of ASCII alone, text in either, keeps the system code page, as a new text
// does. A file whose line ends are all LF (the way of Linux) shows its lines
// as lines and is written back with LF; any other file keeps its bytes exactly.
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

// The code page a file is in, and how it begins.
enum class FileCodePage {
  kStandard,  // the system code page (FileCodePages::standard)
  kUtf8,
  kCp932,
};

struct FileEncoding {
  FileCodePage code_page = FileCodePage::kStandard;
  bool byte_order_mark = false;  // UTF-8 only: EF BB BF before the text
};

// The code page of the encoding, out of the set.
const SystemCodePage& CodePageOf(const FileEncoding& encoding, const FileCodePages& pages);

struct DecodedFile {
  ustring text;  // as the text box holds it
  LineEnds ends = LineEnds::kAsIs;
  FileEncoding encoding;
  bool valid = true;  // false: the bytes are text in none of the code pages
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

// The bytes are well-formed UTF-8 (no overlong forms, surrogates or values
// beyond U+10FFFF, nothing cut off).
bool IsUtf8(std::string_view bytes);

// The encoding the bytes came in, by the rule above; nothing when they are
// text in no code page of the set.
std::optional<FileEncoding> DetectEncoding(std::string_view bytes, const FileCodePages& pages);

// The names of the code pages tried, as a refusal tells them: "UTF-8、CP932"
// (and the system code page when it is neither).
ustring TriedCodePages(const FileCodePages& pages);

// The text of the bytes in the code page they came in, line ends as they are
// (the program's own texts, the memo); nothing when they are text in none.
std::optional<ustring> DecodeText(std::string_view bytes, const FileCodePages& pages);

// Files without any CR are LF files; so is a new text.
DecodedFile DecodeFile(std::string_view bytes, const FileCodePages& pages);
EncodedFile EncodeFile(ustring_view text, LineEnds ends, const FileEncoding& encoding, const FileCodePages& pages);

// The bytes the text takes on disk, byte-order mark included.
long long DiskBytes(ustring_view text, LineEnds ends, const FileEncoding& encoding, const FileCodePages& pages);

}  // namespace orvo::files
