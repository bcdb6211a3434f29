// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/font_map.h"

#include <QFontDatabase>
#include <array>
#include <functional>
#include <map>
#include <optional>

#include "frontends/qt/qt_text.h"

namespace orvo::qt {
namespace {

struct FaceRow {
  std::u16string_view face;
  std::array<const char*, 4> families;  // in order of preference; null ends the list
};

constexpr FaceRow kFaces[] = {
    {u"ＭＳ ゴシック", {"IPAGothic", "Noto Sans Mono CJK JP", "VL Gothic", "DejaVu Sans Mono"}},
    {u"ＭＳ Ｐゴシック", {"IPAPGothic", "Noto Sans CJK JP", "VL PGothic", "DejaVu Sans"}},
    {u"FixedSys", {"DejaVu Sans Mono", "IPAGothic", "Liberation Mono", "Monospace"}},
};

constexpr std::u16string_view kFallbackFace = u"ＭＳ ゴシック";

std::optional<QString> Installed(const FaceRow& row) {
  for (const char* family : row.families) {
    if (family != nullptr && QFontDatabase::hasFamily(QString::fromLatin1(family))) {
      return QString::fromLatin1(family);
    }
  }
  return std::nullopt;
}

QString LookUpFamily(ustring_view face) {
  for (const FaceRow& row : kFaces) {
    if (row.face == face) {
      if (auto family = Installed(row)) return *family;
    }
  }
  const QString asked = ToQ(face);
  if (!asked.isEmpty() && QFontDatabase::hasFamily(asked)) return asked;
  for (const FaceRow& row : kFaces) {
    if (row.face == kFallbackFace) {
      if (auto family = Installed(row)) return *family;
    }
  }
  return QStringLiteral("Monospace");
}

// Asking the font database costs a font-configuration match; the fonts change
// only when the program adds or removes one, and every redraw asks again.
std::map<ustring, QString, std::less<>>& Known() {
  static std::map<ustring, QString, std::less<>> known;
  return known;
}

}  // namespace

void ForgetFamilies() { Known().clear(); }

QString FamilyFor(ustring_view face) {
  auto& known = Known();
  auto it = known.find(face);
  if (it == known.end()) it = known.emplace(ustring(face), LookUpFamily(face)).first;
  return it->second;
}

QFont ToQFont(const FontSpec& font) {
  QFont q(FamilyFor(font.name));
  q.setPointSize(font.points > 0 ? font.points : 9);
  q.setBold(font.bold);
  return q;
}

}  // namespace orvo::qt
