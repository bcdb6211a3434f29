// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder of one's own under the system's temporary folder, made on
// every system alike, and removed with everything in it when the object goes.
#include <filesystem>
#include <string_view>

namespace orvo {

class FreshFolder {
 public:
  // PREFIX followed by random letters; only this user may enter it.
  explicit FreshFolder(std::string_view prefix);
  ~FreshFolder();
  FreshFolder(const FreshFolder&) = delete;
  FreshFolder& operator=(const FreshFolder&) = delete;

  // Empty when no folder could be made.
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace orvo
