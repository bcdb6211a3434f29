// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's fonts: installed faces as fontconfig knows them, fonts added
// for the run as Qt application fonts, and the families Qt's font database
// lists.
#include <map>

#include "platform/font_registry.h"

namespace orvo::qt {

class QtFontRegistry : public FontRegistry {
 public:
  // folder: where the program's fonts ship (the data folder); empty: nowhere.
  explicit QtFontRegistry(ustring folder) : folder_(std::move(folder)) {}
  ~QtFontRegistry() override;

  ustring InstalledFont(ustring_view family) const override;
  ustring FontFolder() const override { return folder_; }
  bool AddFont(const ustring& path) override;
  bool RemoveFont(const ustring& path) override;
  std::vector<ustring> Families() const override;

 private:
  ustring folder_;
  std::map<ustring, int> added_;  // file -> Qt's id for it
};

}  // namespace orvo::qt
