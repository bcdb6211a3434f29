#include "files/text_file.h"

namespace orvo::files {
namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

ustring LfToCrLf(ustring_view text) {
  ustring out;
  out.reserve(text.size() + text.size() / 16);
  for (char16_t c : text) {
    if (c == u'\n') out += u'\r';
    out += c;
  }
  return out;
}

ustring CrLfToLf(ustring_view text) {
  ustring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    out += text[i];
  }
  return out;
}

// The first character the code page lacks, found one character at a time
// (only once the whole text is known to hold one).
Unstorable FindUnstorable(ustring_view text, const SystemCodePage& code_page) {
  int line = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t length = IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
    const ustring_view character = text.substr(i, length);
    int unconvertible = 0;
    code_page.Encode(character, &unconvertible);
    if (unconvertible > 0) return {ustring(character), line};
    if (text[i] == u'\n') ++line;
    i += length - 1;
  }
  return {ustring(text.substr(0, 0)), line};
}

}  // namespace

DecodedFile DecodeFile(std::string_view bytes, const SystemCodePage& code_page) {
  DecodedFile file;
  int unconvertible = 0;
  ustring text = code_page.Decode(bytes, &unconvertible);
  file.valid = unconvertible == 0;
  if (bytes.find('\r') == std::string_view::npos) {
    file.ends = LineEnds::kLf;
    file.text = LfToCrLf(text);
  } else {
    file.text = std::move(text);
  }
  return file;
}

EncodedFile EncodeFile(ustring_view text, LineEnds ends, const SystemCodePage& code_page) {
  EncodedFile file;
  const ustring lf = ends == LineEnds::kLf ? CrLfToLf(text) : ustring();
  const ustring_view disk = ends == LineEnds::kLf ? ustring_view(lf) : text;
  int unconvertible = 0;
  file.bytes = code_page.Encode(disk, &unconvertible);
  if (unconvertible > 0) {
    file.bytes.clear();
    file.unstorable = FindUnstorable(disk, code_page);
  }
  return file;
}

long long DiskBytes(ustring_view text, LineEnds ends, const SystemCodePage& code_page) {
  long long bytes = code_page.ByteLength(text);
  if (ends == LineEnds::kLf) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] == u'\r' && text[i + 1] == u'\n') --bytes;
    }
  }
  return bytes;
}

}  // namespace orvo::files
