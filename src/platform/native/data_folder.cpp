// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/native/data_folder.h"

#include <fstream>
#include <system_error>

#include "platform/native/data_folder_texts.h"
#include "platform/native/program_path.h"

#ifndef ORVO_VERSION
#error "ORVO_VERSION names the build's version"
#endif
#ifndef ORVO_DATA_FROM_PROGRAM
#error "ORVO_DATA_FROM_PROGRAM is the data folder seen from the executable's folder"
#endif

namespace orvo::native {
namespace {

namespace fs = std::filesystem;

// The first line of the stamp, without its line end and trailing blanks.
std::string ReadStamp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  if (!in || !std::getline(in, line)) return {};
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
  return line;
}

DataFolder Missing(std::string problem) {
  problem.append(texts::kGoingOn);
  return {{}, std::move(problem)};
}

}  // namespace

DataFolder FindDataFolder(const fs::path& program, std::string_view relative, std::string_view version) {
  if (program.empty()) return Missing(texts::kNoProgramPath);
  const fs::path folder = (program.parent_path() / fs::path(relative)).lexically_normal();
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    std::string problem = texts::kNoDataFolder;
    problem.append(PathToUtf8(folder)).append("'");
    return Missing(std::move(problem));
  }
  const std::string stamp = ReadStamp(folder / kDataStamp);
  if (stamp.empty()) {
    std::string problem = texts::kNoStamp;
    problem.append(PathToUtf8(folder)).append("'");
    return Missing(std::move(problem));
  }
  if (stamp != version) {
    std::string problem = texts::kOtherVersion;
    problem.append(PathToUtf8(folder)).append(texts::kIsOfVersion).append(stamp).append(texts::kThisIs).append(version);
    return Missing(std::move(problem));
  }
  return {folder, {}};
}

DataFolder FindOwnDataFolder() { return FindDataFolder(OwnProgramPath(), ORVO_DATA_FROM_PROGRAM, ORVO_VERSION); }

std::string_view ProgramVersion() { return ORVO_VERSION; }

}  // namespace orvo::native
