// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/headless/headless_fonts.h"

#include <fstream>
#include <iterator>

#include "platform/font_file.h"
#include "platform/native/data_folder.h"
#include "platform/native/program_path.h"

namespace orvo::headless {
namespace {

// Larger files are no font of this program's.
constexpr std::streamsize kMaxFontBytes = 16 * 1024 * 1024;

}  // namespace

const std::vector<ustring>& HeadlessFonts::FixedFamilies() {
  static const std::vector<ustring> families = {
      u"FixedSys", u"IPAGothic",   u"IPAPGothic",  u"Terminal", u"ＭＳ ゴシック", u"@ＭＳ ゴシック",
      u"System",   u"Smoll Fonts", u"Courier New", u"#Symbols", u"&Marks",       u"$Currency",
  };
  return families;
}

HeadlessFonts::HeadlessFonts() : folder_(native::PathToUtf8(native::FindOwnDataFolder().path)) {}

void HeadlessFonts::Install(ustring family, ustring file) { installed_.emplace_back(std::move(family), std::move(file)); }

ustring HeadlessFonts::InstalledFont(ustring_view family) const {
  for (const auto& [name, file] : installed_) {
    if (name == family) return file;
  }
  return {};
}

ustring HeadlessFonts::FontFolder() const { return FromUtf8(folder_); }

bool HeadlessFonts::AddFont(const ustring& path) {
  std::ifstream in(native::PathFromUtf8(ToUtf8(path)), std::ios::binary);
  if (!in) return false;
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(kMaxFontBytes) + 1);
  in.read(bytes.data(), kMaxFontBytes + 1);
  if (in.gcount() > kMaxFontBytes) return false;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  ustring family = FontFileFamily(bytes);
  if (family.empty()) return false;
  added_[path] = std::move(family);
  ++additions_;
  return true;
}

bool HeadlessFonts::RemoveFont(const ustring& path) {
  if (added_.erase(path) == 0) return false;
  ++removals_;
  return true;
}

std::vector<ustring> HeadlessFonts::Families() const {
  std::vector<ustring> all = FixedFamilies();
  for (const auto& [name, file] : installed_) all.push_back(name);
  for (const auto& [file, name] : added_) all.push_back(name);
  return all;
}

}  // namespace orvo::headless
