// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts on Windows: installed faces from the system's font list, the
// program's own font files added for this process only (FR_PRIVATE) and
// removed again at the end, the families from EnumFontFamiliesEx.
#include <set>

#include "platform/font_registry.h"

namespace orvo::win32 {

class GdiFontRegistry : public FontRegistry {
 public:
  explicit GdiFontRegistry(ustring folder) : folder_(std::move(folder)) {}
  ~GdiFontRegistry() override;
  GdiFontRegistry(const GdiFontRegistry&) = delete;
  GdiFontRegistry& operator=(const GdiFontRegistry&) = delete;

  ustring InstalledFont(ustring_view family) const override;
  ustring FontFolder() const override { return folder_; }
  bool AddFont(const ustring& path) override;
  bool RemoveFont(const ustring& path) override;
  std::vector<ustring> Families() const override;

 private:
  ustring folder_;
  std::set<ustring> added_;
  std::set<ustring> added_families_;
};

// The face named by a value of the system's font list ("MS Gothic & MS
// PGothic (TrueType)"): whether `family` is one of the faces it names.
bool FontListNames(ustring_view value_name, ustring_view family);

}  // namespace orvo::win32
