// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/qt_font_registry.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <memory>
#include <set>

#include "frontends/qt/font_map.h"
#include "frontends/qt/qt_text.h"

namespace orvo::qt {
namespace {

// Application fonts belong to the process, and fontconfig lists them beside
// the installed ones; these are the files this process added.
std::set<std::string>& AddedByProcess() {
  static std::set<std::string> files;
  return files;
}

struct FcDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
  void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
  void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

bool NamesFamily(FcPattern* font, const std::string& family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (family == reinterpret_cast<const char*>(name)) return true;
  }
  return false;
}

}  // namespace

QtFontRegistry::~QtFontRegistry() {
  for (const auto& [path, id] : added_) {
    QFontDatabase::removeApplicationFont(id);
    AddedByProcess().erase(ToUtf8(path));
  }
  if (!added_.empty()) ForgetFamilies();
}

ustring QtFontRegistry::InstalledFont(ustring_view family) const {
  if (FcInit() == FcFalse) return {};
  const std::string wanted = ToUtf8(family);
  std::unique_ptr<FcPattern, FcDeleter> pattern(
      FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, reinterpret_cast<const FcChar8*>(wanted.c_str()),
                     static_cast<char*>(nullptr)));
  std::unique_ptr<FcObjectSet, FcDeleter> fields(FcObjectSetBuild(FC_FAMILY, FC_FILE, static_cast<char*>(nullptr)));
  if (!pattern || !fields) return {};
  std::unique_ptr<FcFontSet, FcDeleter> fonts(FcFontList(nullptr, pattern.get(), fields.get()));
  if (!fonts) return {};
  for (int i = 0; i < fonts->nfont; ++i) {
    FcChar8* file = nullptr;
    if (!NamesFamily(fonts->fonts[i], wanted)) continue;
    if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
    const std::string path = reinterpret_cast<const char*>(file);
    if (!AddedByProcess().contains(path)) return FromUtf8(path);
  }
  return {};
}

bool QtFontRegistry::AddFont(const ustring& path) {
  if (added_.contains(path)) return true;
  const int id = QFontDatabase::addApplicationFont(ToQ(path));
  if (id < 0) return false;
  if (QFontDatabase::applicationFontFamilies(id).isEmpty()) {
    QFontDatabase::removeApplicationFont(id);
    return false;
  }
  added_[path] = id;
  AddedByProcess().insert(ToUtf8(path));
  ForgetFamilies();
  return true;
}

bool QtFontRegistry::RemoveFont(const ustring& path) {
  const auto it = added_.find(path);
  if (it == added_.end()) return false;
  const bool removed = QFontDatabase::removeApplicationFont(it->second);
  AddedByProcess().erase(ToUtf8(path));
  added_.erase(it);
  ForgetFamilies();
  return removed;
}

std::vector<ustring> QtFontRegistry::Families() const {
  std::vector<ustring> all;
  for (const QString& family : QFontDatabase::families()) all.push_back(FromQ(family));
  return all;
}

}  // namespace orvo::qt
