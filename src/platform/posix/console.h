// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line and the standard streams of a program started from a
// terminal, as the programs' mains take them on every system.
#include <string>
#include <vector>

namespace orvo::posix {

// The arguments after the program's name, as UTF-8 (a POSIX system gives
// them as they are).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard input and output carry bytes unchanged (they do here).
void UseBinaryStandardStreams();

// std::cout and std::cerr as they are: a terminal here shows UTF-8.
inline void UseConsoleStreams() {}

// Standard input is a terminal, where a person may be typing.
bool StandardInputIsTerminal();

}  // namespace orvo::posix
