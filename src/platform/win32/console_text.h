// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text on the standard streams the way a Windows console shows it: a
// console is given UTF-16 (WriteConsoleW), whatever its code page; a file or
// a pipe is given messages in the console's code page (the system's ANSI
// code page when there is no console) and data (JSON, the document's text)
// as the UTF-8 it is.
#include <streambuf>
#include <string>
#include <string_view>

namespace orvo::win32 {

enum class StreamText { kMessages, kData };

// The bytes a file or pipe is given for UTF-8 `text` of the kind, in code
// page `code_page` (a character the code page has not becomes '?').
std::string StreamBytes(std::string_view text, StreamText kind, unsigned code_page);

// Writes UTF-8 `text` to the handle (a HANDLE) as above; false when the write failed.
bool WriteStreamText(void* handle, std::string_view text, StreamText kind);

// A stream buffer over one of the system's handles, writing through
// WriteStreamText when flushed; a UTF-8 sequence cut between two writes is
// held until it is whole.
class ConsoleStreamBuf : public std::streambuf {
 public:
  ConsoleStreamBuf(void* handle, StreamText kind) : handle_(handle), kind_(kind) {}

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  void* handle_;
  StreamText kind_;
  std::string pending_;
};

// std::cout (data) and std::cerr (messages) through ConsoleStreamBuf over
// the standard output and error handles, for the rest of the run.
void UseConsoleStreams();

}  // namespace orvo::win32
