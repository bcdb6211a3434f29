// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/text_file.h"

#include <algorithm>
#include <iterator>

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

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The well-formed UTF-8 sequences past ASCII, by their first byte: how many
// bytes they take and the range of the second (which rules out overlong
// forms, surrogates and values beyond U+10FFFF); the others are 80-BF.
struct Utf8Form {
  unsigned char first, last;  // the first byte's range
  std::size_t length;
  unsigned char low, high;  // the second byte's range
};
constexpr Utf8Form kUtf8Forms[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool Decodes(std::string_view bytes, const SystemCodePage& code_page) {
  int unconvertible = 0;
  code_page.Decode(bytes, &unconvertible);
  return unconvertible == 0;
}

// The system code page is another than UTF-8 and CP932 (EUC-JP, say).
bool StandardIsOther(const FileCodePages& pages) {
  const std::string name = pages.standard.Name();
  return name != pages.utf8.Name() && name != pages.cp932.Name();
}

// The text of bytes known to be in the encoding.
ustring Decode(std::string_view bytes, const FileEncoding& encoding, const FileCodePages& pages) {
  if (encoding.byte_order_mark) bytes.remove_prefix(kByteOrderMark.size());
  int unconvertible = 0;
  return CodePageOf(encoding, pages).Decode(bytes, &unconvertible);
}

}  // namespace

const SystemCodePage& CodePageOf(const FileEncoding& encoding, const FileCodePages& pages) {
  switch (encoding.code_page) {
    case FileCodePage::kUtf8:
      return pages.utf8;
    case FileCodePage::kCp932:
      return pages.cp932;
    case FileCodePage::kStandard:
      break;
  }
  return pages.standard;
}

bool IsUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    const auto form = std::find_if(std::begin(kUtf8Forms), std::end(kUtf8Forms),
                                   [lead](const Utf8Form& f) { return lead >= f.first && lead <= f.last; });
    if (form == std::end(kUtf8Forms) || i + form->length > bytes.size()) return false;
    for (std::size_t k = 1; k < form->length; ++k) {
      const auto c = static_cast<unsigned char>(bytes[i + k]);
      const bool second = k == 1;
      if (c < (second ? form->low : 0x80) || c > (second ? form->high : 0xBF)) return false;
    }
    i += form->length;
  }
  return true;
}

std::optional<FileEncoding> DetectEncoding(std::string_view bytes, const FileCodePages& pages) {
  if (bytes.starts_with(kByteOrderMark) && IsUtf8(bytes.substr(kByteOrderMark.size()))) {
    return FileEncoding{FileCodePage::kUtf8, true};
  }
  if (IsAscii(bytes)) return FileEncoding{};
  if (IsUtf8(bytes)) return FileEncoding{FileCodePage::kUtf8, false};
  if (Decodes(bytes, pages.cp932)) return FileEncoding{FileCodePage::kCp932, false};
  if (StandardIsOther(pages) && Decodes(bytes, pages.standard)) return FileEncoding{};
  return std::nullopt;
}

ustring TriedCodePages(const FileCodePages& pages) {
  ustring names = FromUtf8(pages.utf8.Name());
  names.append(u"、").append(FromUtf8(pages.cp932.Name()));
  if (StandardIsOther(pages)) names.append(u"、").append(FromUtf8(pages.standard.Name()));
  return names;
}

std::optional<ustring> DecodeText(std::string_view bytes, const FileCodePages& pages) {
  const std::optional<FileEncoding> encoding = DetectEncoding(bytes, pages);
  if (!encoding) return std::nullopt;
  return Decode(bytes, *encoding, pages);
}

DecodedFile DecodeFile(std::string_view bytes, const FileCodePages& pages) {
  DecodedFile file;
  const std::optional<FileEncoding> encoding = DetectEncoding(bytes, pages);
  file.valid = encoding.has_value();
  if (!file.valid) return file;
  file.encoding = *encoding;
  ustring text = Decode(bytes, file.encoding, pages);
  if (bytes.find('\r') == std::string_view::npos) {
    file.ends = LineEnds::kLf;
    file.text = LfToCrLf(text);
  } else {
    file.text = std::move(text);
  }
  return file;
}

EncodedFile EncodeFile(ustring_view text, LineEnds ends, const FileEncoding& encoding, const FileCodePages& pages) {
  const SystemCodePage& code_page = CodePageOf(encoding, pages);
  EncodedFile file;
  const ustring lf = ends == LineEnds::kLf ? CrLfToLf(text) : ustring();
  const ustring_view disk = ends == LineEnds::kLf ? ustring_view(lf) : text;
  int unconvertible = 0;
  file.bytes = code_page.Encode(disk, &unconvertible);
  if (unconvertible > 0) {
    file.bytes.clear();
    file.unstorable = FindUnstorable(disk, code_page);
  } else if (encoding.byte_order_mark) {
    file.bytes.insert(0, kByteOrderMark);
  }
  return file;
}

long long DiskBytes(ustring_view text, LineEnds ends, const FileEncoding& encoding, const FileCodePages& pages) {
  long long bytes = CodePageOf(encoding, pages).ByteLength(text);
  if (encoding.byte_order_mark) bytes += static_cast<long long>(kByteOrderMark.size());
  if (ends == LineEnds::kLf) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] == u'\r' && text[i + 1] == u'\n') --bytes;
    }
  }
  return bytes;
}

}  // namespace orvo::files
