// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's read-only data (braille font, chart, pictures) lies in
// share/orvo beside the folder of its executable, installed or in a build
// tree alike; a stamp file in it names the version it belongs to, so that the
// data of another version installed elsewhere is never taken for this one's.
#include <filesystem>
#include <string>
#include <string_view>

namespace orvo::native {

// The stamp's file name inside the data folder; it holds the version.
inline constexpr std::string_view kDataStamp = "version";

struct DataFolder {
  std::filesystem::path path;  // empty when no usable folder was found
  std::string problem;         // what is missing or wrong, for the terminal; empty when found
};

// The data folder of the executable `program` for `version`: `relative` (from
// the executable's folder) when it exists and its stamp names `version`.
DataFolder FindDataFolder(const std::filesystem::path& program, std::string_view relative,
                          std::string_view version);

// The same for the running program, this build's version and layout.
DataFolder FindOwnDataFolder();

// This build's version.
std::string_view ProgramVersion();

}  // namespace orvo::native
