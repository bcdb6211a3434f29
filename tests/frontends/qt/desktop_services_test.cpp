// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux desktop services: the task bar from the screen's available area,
// and the Windows face names resolved to installed fonts.
#include <gtest/gtest.h>

#include <QFontDatabase>

#include "frontends/qt/font_map.h"
#include "frontends/qt/qt_shell.h"
#include "frontends/qt/qt_app.h"

namespace orvo::testing {
namespace {

struct BandCase {
  const char* what;
  QRect available;
  std::optional<Rect> band;
};

TEST(TaskBar, IsTheBandOutsideTheAvailableArea) {
  const QRect screen(0, 0, 1024, 768);
  const BandCase cases[] = {
      {"whole screen available", screen, std::nullopt},
      {"panel at the bottom", QRect(0, 0, 1024, 728), Rect{0, 728, 1024, 40}},
      {"panel at the top", QRect(0, 28, 1024, 740), Rect{0, 0, 1024, 28}},
      {"dock on the left", QRect(64, 0, 960, 768), Rect{0, 0, 64, 768}},
      {"dock on the right", QRect(0, 0, 990, 768), Rect{990, 0, 34, 768}},
      {"two panels: the wider one", QRect(0, 24, 1024, 704), Rect{0, 728, 1024, 40}},
      {"no available area", QRect(), std::nullopt},
  };
  for (const BandCase& c : cases) EXPECT_EQ(qt::BandOutside(screen, c.available), c.band) << c.what;
}

struct FaceCase {
  const char16_t* face;
  const char* family;  // expected when installed
};

TEST(FontMap, WindowsFacesResolveToInstalledFontsOfTheirKind) {
  App();
  const FaceCase cases[] = {
      {u"ＭＳ ゴシック", "IPAGothic"},
      {u"ＭＳ Ｐゴシック", "IPAPGothic"},
      {u"FixedSys", "DejaVu Sans Mono"},
      {u"No Such Face Anywhere", "IPAGothic"},
  };
  for (const FaceCase& c : cases) {
    if (!QFontDatabase::hasFamily(QString::fromLatin1(c.family))) continue;
    EXPECT_EQ(qt::FamilyFor(c.face), QString::fromLatin1(c.family)) << ToUtf8(c.face);
  }
  const QFont font = qt::ToQFont({u"ＭＳ ゴシック", 12, true});
  EXPECT_EQ(font.pointSize(), 12);
  EXPECT_TRUE(font.bold());
  EXPECT_FALSE(qt::FamilyFor(u"").isEmpty());
}

}  // namespace
}  // namespace orvo::testing
