// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search for the data folder says on the terminal.
namespace orvo::native::texts {

inline constexpr const char* kNoProgramPath = "the program's own path cannot be read";
inline constexpr const char* kNoDataFolder = "no data folder at '";
inline constexpr const char* kNoStamp = "no version stamp in the data folder '";
inline constexpr const char* kOtherVersion = "the data folder '";
inline constexpr const char* kIsOfVersion = "' is of version ";
inline constexpr const char* kThisIs = ", this program is ";
inline constexpr const char* kGoingOn = "; going on without it";

}  // namespace orvo::native::texts
