#include "frontends/shared/data_files.h"

namespace orvo::emu {

std::optional<ustring> DataFiles::Cp932Text(std::string_view name, long long limit) const {
  if (folder_.empty() || name.empty()) return std::nullopt;
  const FileRead read = files_.Read(FromUtf8(folder_ + "/" + std::string(name)), limit);
  if (read.error || read.too_long) return std::nullopt;
  int unconvertible = 0;
  ustring text = cp932_.Decode(read.bytes, &unconvertible);
  if (unconvertible > 0) return std::nullopt;
  return text;
}

}  // namespace orvo::emu
