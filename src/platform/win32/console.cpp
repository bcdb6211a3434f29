// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/console.h"

#include <windows.h>
// After windows.h, which they need.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/win32/wide_text.h"

namespace orvo::win32 {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr || count != argc) {
    if (wide != nullptr) LocalFree(wide);
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
  }
  std::vector<std::string> out;
  for (int i = 1; i < count; ++i) out.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return out;
}

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

bool StandardInputIsTerminal() { return _isatty(_fileno(stdin)) != 0; }

}  // namespace orvo::win32
