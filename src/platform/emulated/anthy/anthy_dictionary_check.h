// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// anthy maps its dictionary and follows every offset in it unchecked: a file
// that is not a whole dictionary crashes the process that loads it. A named
// dictionary is checked here before anthy is given it.
#include <string>

namespace orvo::emu {

// Empty when the file at `path` is a dictionary anthy loads and converts
// with, else why it is not. `home` is the folder anthy may use while trying.
std::string AnthyDictionaryFault(const std::string& path, const std::string& home);

}  // namespace orvo::emu
