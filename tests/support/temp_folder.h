// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
#include <string>

#include "platform/fresh_folder.h"
#include "platform/native/program_path.h"

namespace orvo::test_support {

class TempFolder {
 public:
  TempFolder() : folder_("orvo-test-"), path_(native::PathToUtf8(folder_.Path())) {}

  // Empty when the folder could not be made.
  const std::string& Path() const { return path_; }

 private:
  FreshFolder folder_;
  std::string path_;
};

}  // namespace orvo::test_support
