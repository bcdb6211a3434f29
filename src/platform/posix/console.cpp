// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/console.h"

#include <unistd.h>

namespace orvo::posix {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

void UseBinaryStandardStreams() {}

bool StandardInputIsTerminal() { return isatty(STDIN_FILENO) != 0; }

}  // namespace orvo::posix
