// SPDX-License-Identifier: GPL-3.0-or-later
// The braille font as FreeType draws it through Qt: every Braille ASCII code
// shows exactly its cell's raised dots, as the program's cell table has them;
// the font names its face, is added and removed as an application font, and
// the cell display of the window is drawn in it.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QGlyphRun>
#include <QImage>
#include <QFontInfo>
#include <QPainter>
#include <QRawFont>
#include <array>
#include <fstream>
#include <map>

#include "braille/cell_codes.h"
#include "platform/posix/data_folder.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/qt_font_registry.h"
#include "frontends/qt/qt_text.h"
#include "settings/font_list.h"
#include "support/temp_folder.h"
#include "frontends/qt/qt_app.h"
#include "session_fixture.h"

namespace orvo::testing {
namespace {

QString BuiltFont() {
  return QString::fromStdString((posix::FindOwnDataFolder().path / "Orvoten.TTF").string());
}

// The raised dots (1-6) of every code, from the program's own table.
std::map<char, std::array<bool, 6>> CellsOfTable() {
  std::map<char, std::array<bool, 6>> cells{{' ', {}}};
  for (int left = 0; left < 8; ++left) {
    for (int right = 0; right < 8; ++right) {
      const std::uint8_t code = braille::CellCodeOf(left, right);
      if (code == 0) continue;
      cells[static_cast<char>(code)] = {(left & 1) != 0,  (left & 2) != 0,  (left & 4) != 0,
                                        (right & 1) != 0, (right & 2) != 0, (right & 4) != 0};
    }
  }
  return cells;
}

// The glyph of `ch` drawn black on white, `em` pixels to the em, baseline at `ascent`.
QImage Draw(const QRawFont& font, QChar ch, int ascent) {
  QImage image(static_cast<int>(font.pixelSize()), static_cast<int>(font.pixelSize()), QImage::Format_Grayscale8);
  image.fill(Qt::white);
  QGlyphRun run;
  run.setRawFont(font);
  run.setGlyphIndexes(font.glyphIndexesForString(QString(ch)));
  run.setPositions({QPointF(0, ascent)});
  QPainter painter(&image);
  painter.setPen(Qt::black);
  painter.drawGlyphRun(QPointF(0, 0), run);
  return image;
}

TEST(BrailleFontRendering, EveryCodeShowsExactlyItsCellsRaisedDots) {
  App();
  constexpr int kEm = 200;  // pixels; the font's units are 1000 to the em
  const QRawFont font(BuiltFont(), kEm);
  ASSERT_TRUE(font.isValid()) << "no font at " << BuiltFont().toStdString();
  EXPECT_EQ(font.familyName(), QStringLiteral("Orvoten Font"));
  const int ascent = static_cast<int>(font.ascent() + 0.5);
  // Dot centres in font units: columns 210 and 490, rows 690, 420, 150 above the baseline.
  const auto pixel = [&](int dot, int dx) {
    const int x = (dot <= 3 ? 210 : 490) + dx;
    const int y = std::array{690, 420, 150}[static_cast<std::size_t>((dot - 1) % 3)];
    return QPoint(x * kEm / 1000, ascent - y * kEm / 1000);
  };
  const auto cells = CellsOfTable();
  ASSERT_EQ(cells.size(), 64U);
  for (const auto& [code, raised] : cells) {
    std::vector<char> characters{code};
    if (code >= 'A' && code <= 'Z') characters.push_back(static_cast<char>(code + 0x20));  // lower case alike
    for (char ch : characters) {
      ASSERT_TRUE(font.supportsCharacter(QChar(ch))) << ch;
      const QImage image = Draw(font, QChar(ch), ascent);
      for (int dot = 1; dot <= 6; ++dot) {
        const bool inked = qGray(image.pixel(pixel(dot, 0))) < 128;
        EXPECT_EQ(inked, raised[static_cast<std::size_t>(dot - 1)]) << "'" << ch << "' dot " << dot;
        // A dot that is not raised still shows where it would be, as a faint ring.
        if (!raised[static_cast<std::size_t>(dot - 1)]) {
          EXPECT_LT(qGray(image.pixel(pixel(dot, 56))), 160) << "'" << ch << "' ring of dot " << dot;
        }
      }
    }
  }
}

TEST(QtFontRegistry, TheBuiltFontIsAddedForTheRunOnlyAndNeverTakenForInstalled) {
  App();
  qt::QtFontRegistry fonts(FromUtf8(posix::FindOwnDataFolder().path.string()));
  const ustring path = qt::FromQ(BuiltFont());
  ASSERT_TRUE(fonts.AddFont(path));
  EXPECT_TRUE(fonts.HasFamily(u"Orvoten Font"));
  // fontconfig lists application fonts too; this process's own is not an installed one.
  EXPECT_EQ(fonts.InstalledFont(u"Orvoten Font"), u"");
  EXPECT_TRUE(fonts.RemoveFont(path));
  EXPECT_FALSE(fonts.HasFamily(u"Orvoten Font"));
  EXPECT_FALSE(fonts.RemoveFont(path));

  test_support::TempFolder folder;
  const std::string broken = folder.Path() + "/Orvoten.TTF";
  std::ofstream(broken, std::ios::binary) << "no font here";
  EXPECT_FALSE(fonts.AddFont(FromUtf8(broken)));
  EXPECT_FALSE(fonts.HasFamily(u"Orvoten Font"));
}

TEST(QtFontRegistry, TheFontListHasTheSystemsFamiliesLessTheSkippedOnes) {
  App();
  qt::QtFontRegistry fonts(u"");
  ASSERT_TRUE(fonts.AddFont(qt::FromQ(BuiltFont())));
  std::vector<ustring> listed;
  for (const ustring& family : fonts.Families()) {
    if (settings::ListsFontFamily(family)) listed.push_back(family);
  }
  EXPECT_FALSE(listed.empty());
  for (const ustring& family : listed) {
    EXPECT_NE(family, u"Orvoten Font");
    EXPECT_NE(family.front(), u'@');
  }
  fonts.RemoveFont(qt::FromQ(BuiltFont()));
}

using BrailleFontWindow = QtFrontEnd;

TEST_F(BrailleFontWindow, TheCellDisplayIsDrawnInTheBrailleFont) {
  QWidget* cells = View().Inner().WidgetOf("lblTENJI");
  ASSERT_NE(cells, nullptr);
  EXPECT_EQ(cells->font().family(), QStringLiteral("Orvoten Font"));
  EXPECT_TRUE(cells->font().bold());
  EXPECT_TRUE(QFontInfo(cells->font()).family() == QStringLiteral("Orvoten Font"));
  EXPECT_TRUE(S().program.braille_font.BrailleFontRegistered);
  EXPECT_TRUE(S().program.messages.History().empty());
}

}  // namespace
}  // namespace orvo::testing
