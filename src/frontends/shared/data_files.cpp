// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/shared/data_files.h"

#include "files/text_file.h"

namespace orvo::emu {

std::optional<ustring> DataFiles::Text(std::string_view name, long long limit) const {
  if (folder_.empty() || name.empty()) return std::nullopt;
  const FileRead read = files_.Read(FromUtf8(folder_ + "/" + std::string(name)), limit);
  if (read.error || read.too_long) return std::nullopt;
  // The data's ASCII-only texts read alike in either; CP932 stands for the system's.
  return files::DecodeText(read.bytes, {cp932_, utf8_, cp932_});
}

}  // namespace orvo::emu
