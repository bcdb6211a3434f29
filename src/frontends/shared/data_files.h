// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's data folder on disk: its texts read whole, in UTF-8 or CP932.
#include <string>

#include "platform/emulated/system_code_page.h"
#include "platform/file_system.h"
#include "platform/program_data.h"

namespace orvo::emu {

class DataFiles : public ProgramData {
 public:
  // folder: the data folder; empty: none, so that every text is missing.
  DataFiles(std::string folder, const FileSystem& files) : folder_(std::move(folder)), files_(files) {}

  std::optional<ustring> Text(std::string_view name, long long limit) const override;

 private:
  std::string folder_;
  const FileSystem& files_;
  ConvertingCodePage cp932_{CodePage::kCp932};
  ConvertingCodePage utf8_{CodePage::kUtf8};
};

}  // namespace orvo::emu
