// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/console_text.h"

#include <windows.h>

#include <algorithm>
#include <iostream>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {
namespace {

// How many bytes at the end of `text` begin a UTF-8 sequence not yet whole.
std::size_t CutSequence(std::string_view text) {
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

bool WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    if (!WriteFile(handle, bytes.data(), size, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::string StreamBytes(std::string_view text, StreamText kind, unsigned code_page) {
  if (kind == StreamText::kData || code_page == CP_UTF8 || text.empty()) return std::string(text);
  const std::wstring wide = WideFromUtf8(text);
  const int length = static_cast<int>(wide.size());
  // Without best fit a character the code page has not is '?', never a look-alike.
  DWORD flags = WC_NO_BEST_FIT_CHARS;
  int size = WideCharToMultiByte(code_page, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (size == 0) {  // a code page that takes no flags
    flags = 0;
    size = WideCharToMultiByte(code_page, flags, wide.data(), length, nullptr, 0, nullptr, nullptr);
  }
  if (size == 0) return std::string(text);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(code_page, flags, wide.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

bool WriteStreamText(void* handle, std::string_view text, StreamText kind) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;
  DWORD mode = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = WideFromUtf8(text);
    std::wstring_view rest = wide;
    while (!rest.empty()) {
      DWORD written = 0;
      const DWORD size = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 8192));
      if (!WriteConsoleW(handle, rest.data(), size, &written, nullptr) || written == 0) return false;
      rest.remove_prefix(written);
    }
    return true;
  }
  UINT code_page = GetConsoleOutputCP();
  if (code_page == 0) code_page = GetACP();
  return WriteAll(handle, StreamBytes(text, kind, code_page));
}

ConsoleStreamBuf::int_type ConsoleStreamBuf::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  pending_.push_back(traits_type::to_char_type(c));
  return c;
}

std::streamsize ConsoleStreamBuf::xsputn(const char* s, std::streamsize n) {
  pending_.append(s, static_cast<std::size_t>(n));
  return n;
}

int ConsoleStreamBuf::sync() {
  const std::size_t whole = pending_.size() - CutSequence(pending_);
  if (whole == 0) return 0;
  const bool written = WriteStreamText(handle_, std::string_view(pending_).substr(0, whole), kind_);
  pending_.erase(0, whole);
  return written ? 0 : -1;
}

void UseConsoleStreams() {
  // Never destroyed: std::cout is flushed at the very end of the run, after every static object.
  static auto* out = new ConsoleStreamBuf(GetStdHandle(STD_OUTPUT_HANDLE), StreamText::kData);
  static auto* err = new ConsoleStreamBuf(GetStdHandle(STD_ERROR_HANDLE), StreamText::kMessages);
  std::cout.flush();
  std::cerr.flush();
  std::cout.rdbuf(out);
  std::cerr.rdbuf(err);
}

}  // namespace orvo::win32
