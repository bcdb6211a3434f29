// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What both programs say of a command line they cannot take; the first %s is
// the program's name.
namespace orvo::options::texts {

inline constexpr const char* kUnknownArgument = "%s: unknown argument '%s'\n";
inline constexpr const char* kValueMissing = "%s: '%s' wants a value after it\n";
inline constexpr const char* kUnknownEngine = "%s: unknown engine '%s' (auto, mozc or anthy)\n";
inline constexpr const char* kUnknownCodePage = "%s: unknown code page '%s' (CP932, UTF-8 or locale)\n";

}  // namespace orvo::options::texts
