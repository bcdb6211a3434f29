// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions by iconv (glibc), and the locale's charset by its name.
#include "platform/emulated/edit/codepage.h"

#include <iconv.h>
#include <langinfo.h>

#include <bit>
#include <cerrno>
#include <cstring>

namespace orvo::emu {

namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr std::size_t kChunk = 4096;

// One conversion descriptor, closed when it goes out of scope.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts what it can of [*in, *in + *in_left) and appends the output to
  // out. Returns 0 when all input was used, else the errno that stopped it
  // (EILSEQ or EINVAL) with *in at the offending input.
  int Run(const char** in, std::size_t* in_left, std::string& out) {
    char buffer[kChunk];
    for (;;) {
      char* out_ptr = buffer;
      std::size_t out_left = sizeof buffer;
      // glibc's iconv takes char** for input it never writes.
      char* in_ptr = const_cast<char*>(*in);
      const std::size_t result = iconv(cd_, &in_ptr, in_left, &out_ptr, &out_left);
      const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
      *in = in_ptr;
      out.append(buffer, static_cast<std::size_t>(out_ptr - buffer));
      if (error == E2BIG) continue;
      if (error != 0) return error;
      if (*in_left == 0) return 0;
    }
  }

  void Flush(std::string& out) {
    char buffer[64];
    char* out_ptr = buffer;
    std::size_t out_left = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &out_ptr, &out_left);
    out.append(buffer, static_cast<std::size_t>(out_ptr - buffer));
  }

 private:
  iconv_t cd_;
};

bool IsHighSurrogate(char16_t ch) { return ch >= 0xD800 && ch <= 0xDBFF; }
bool IsLowSurrogate(char16_t ch) { return ch >= 0xDC00 && ch <= 0xDFFF; }

}  // namespace

std::string CharsetName(CodePage code_page) {
  if (code_page == CodePage::kCp932) return "CP932";
  if (code_page == CodePage::kUtf8) return "UTF-8";
  const std::string charset = nl_langinfo(CODESET);
  // The plain C locale holds no Japanese at all: a text could be typed but never
  // saved. Files are then UTF-8, as in the C.UTF-8 locale.
  if (charset == "ANSI_X3.4-1968" || charset == "ASCII" || charset == "US-ASCII") return "UTF-8";
  return charset;
}

Encoded Encode(ustring_view text, CodePage code_page) {
  Encoded result;
  const std::string charset = CharsetName(code_page);
  Iconv cd(charset.c_str(), kUtf16);
  if (!cd.ok()) {
    result.status = ConvStatus::kUnsupported;
    return result;
  }
  const char* const begin = reinterpret_cast<const char*>(text.data());
  const char* in = begin;
  std::size_t in_left = text.size() * sizeof(char16_t);
  while (cd.Run(&in, &in_left, result.bytes) != 0) {
    // A character the code page lacks, or a lone surrogate.
    const auto pos = static_cast<std::size_t>(in - begin) / sizeof(char16_t);
    const bool pair =
        pos + 1 < text.size() && IsHighSurrogate(text[pos]) && IsLowSurrogate(text[pos + 1]);
    const std::size_t skip = (pair ? 2 : 1) * sizeof(char16_t);
    if (result.unconvertible++ == 0) result.first_unconvertible = static_cast<int>(pos);
    result.bytes += '?';
    in += skip;
    in_left -= skip;
  }
  cd.Flush(result.bytes);
  if (result.unconvertible > 0) result.status = ConvStatus::kUnconvertible;
  return result;
}

Decoded Decode(std::string_view bytes, CodePage code_page) {
  Decoded result;
  const std::string charset = CharsetName(code_page);
  Iconv cd(kUtf16, charset.c_str());
  if (!cd.ok()) {
    result.status = ConvStatus::kUnsupported;
    return result;
  }
  std::string utf16;
  const auto bad = [&](std::size_t offset) {
    if (result.unconvertible++ == 0) result.first_unconvertible = static_cast<int>(offset);
    const char16_t replacement = u'\uFFFD';
    utf16.append(reinterpret_cast<const char*>(&replacement), sizeof replacement);
  };
  const char* in = bytes.data();
  std::size_t in_left = bytes.size();
  for (int error = cd.Run(&in, &in_left, utf16); error != 0; error = cd.Run(&in, &in_left, utf16)) {
    bad(static_cast<std::size_t>(in - bytes.data()));
    if (error == EINVAL) break;  // a sequence cut off by the end of the input
    ++in;
    --in_left;
  }
  cd.Flush(utf16);
  result.text.resize(utf16.size() / sizeof(char16_t));
  std::memcpy(result.text.data(), utf16.data(), result.text.size() * sizeof(char16_t));
  if (result.unconvertible > 0) result.status = ConvStatus::kUnconvertible;
  return result;
}

}  // namespace orvo::emu
