// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's fonts as a model: a fixed list of installed families, the
// braille font installed on the system or not, and the program's font folder
// on disk, whose files are added for real (a file that is no font is refused).
#include <map>
#include <string>
#include <vector>

#include "platform/font_registry.h"

namespace orvo::headless {

class HeadlessFonts : public FontRegistry {
 public:
  // The installed families every headless run has, in the system's order:
  // ordinary faces, the fixed-size ones and names the settings list leaves out.
  static const std::vector<ustring>& FixedFamilies();

  // The program's font folder is the build's data folder.
  HeadlessFonts();

  // Where the program's fonts ship; empty: nowhere.
  void SetFontFolder(std::string folder) { folder_ = std::move(folder); }
  // The system has `family` installed in `file`, as fontconfig would list it.
  void Install(ustring family, ustring file);

  ustring InstalledFont(ustring_view family) const override;
  ustring FontFolder() const override;
  bool AddFont(const ustring& path) override;
  bool RemoveFont(const ustring& path) override;
  std::vector<ustring> Families() const override;

  // The fonts added and not yet removed: file -> family.
  const std::map<ustring, ustring>& Added() const { return added_; }
  int Additions() const { return additions_; }
  int Removals() const { return removals_; }

 private:
  std::string folder_;
  std::vector<std::pair<ustring, ustring>> installed_;  // family, file
  std::map<ustring, ustring> added_;
  int additions_ = 0;
  int removals_ = 0;
};

}  // namespace orvo::headless
