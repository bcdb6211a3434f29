// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line and the standard streams of a console program on Windows:
// the arguments in UTF-8 whatever the ANSI code page, and bytes in and out
// unchanged (no CR added before each line feed, no end at Ctrl+Z).
#include <string>
#include <vector>

#include "platform/win32/console_text.h"

namespace orvo::win32 {

// The arguments after the program's name as the system holds them (UTF-16),
// in UTF-8; argv's when the system's own command line cannot be read.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

void UseBinaryStandardStreams();

// Standard input is a console, where a person may be typing.
bool StandardInputIsTerminal();

}  // namespace orvo::win32
