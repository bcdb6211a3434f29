// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar and menu pictures: every id the program uses is drawn at the
// size asked, no two alike, in colours a reader with low vision can tell apart.
#include "frontends/qt/picture_set.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "toolkit/picture_ids.h"
#include "braille/input_modes.h"
#include "frontends/qt/qt_app.h"

namespace orvo::testing {
namespace {

namespace pic = picture_id;

const int kKnownIds[] = {pic::kMemo,      pic::kRomajiMethod, pic::kBrailleMethod,
                         pic::kImeAtLoad, pic::kImeOn,        pic::kImeBraille,
                         pic::kCover,     picture_id::kMenuChecked, picture_id::kMenuUnchecked,
                         picture_id::kAppIcon};

// Relative luminance and contrast ratio as accessibility guidelines define them.
double Luminance(QRgb c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool Near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40 &&
         std::abs(qBlue(a) - qBlue(b)) < 40;
}

class PictureSetTest : public ::testing::Test {
 protected:
  void SetUp() override { App(); }
  static QImage Image(int id, int size) {
    return qt::PicturePixmap(id, size).toImage().convertToFormat(QImage::Format_RGB32);
  }
};

TEST_F(PictureSetTest, EveryKnownIdIsDrawnAtTheSizeAsked) {
  for (const int id : kKnownIds) {
    for (const int size : {16, 24, 29, 48}) {
      const QPixmap pixmap = qt::PicturePixmap(id, size);
      ASSERT_FALSE(pixmap.isNull()) << id << " at " << size;
      EXPECT_EQ(pixmap.size(), QSize(size, size)) << id;
    }
    const QIcon icon = qt::PictureIcon(id);
    ASSERT_FALSE(icon.isNull()) << id;
    EXPECT_EQ(icon.pixmap(24).size(), QSize(24, 24)) << id;
  }
}

TEST_F(PictureSetTest, UnknownIdsAndEmptySizesGiveNothing) {
  for (const int id : {-1, 7, 19, 23, 1000}) {
    EXPECT_TRUE(qt::PicturePixmap(id, 24).isNull()) << id;
    EXPECT_TRUE(qt::PictureIcon(id).isNull()) << id;
  }
  EXPECT_TRUE(qt::PicturePixmap(pic::kMemo, 0).isNull());
  EXPECT_TRUE(qt::PicturePixmap(pic::kMemo, -5).isNull());
}

TEST_F(PictureSetTest, NoTwoPicturesAlike) {
  for (std::size_t i = 0; i < std::size(kKnownIds); ++i) {
    for (std::size_t j = i + 1; j < std::size(kKnownIds); ++j) {
      EXPECT_NE(Image(kKnownIds[i], 24), Image(kKnownIds[j], 24))
          << kKnownIds[i] << " and " << kKnownIds[j];
    }
  }
}

TEST_F(PictureSetTest, InkStandsOutFromThePaper) {
  for (const qt::PictureRow& row : qt::PictureRows()) {
    const QImage image = Image(row.id, 32);
    int inked = 0;
    int plain = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        inked += Near(image.pixel(x, y), row.ink) ? 1 : 0;
        plain += (image.pixel(x, y) & 0xFFFFFF) == row.paper ? 1 : 0;
      }
    }
    if (row.figure == qt::Figure::kBlank) {
      EXPECT_EQ(plain, 32 * 32) << "the cover is the tile alone";
      continue;
    }
    EXPECT_GE(Contrast(row.ink, row.paper), 7.0) << row.id;
    EXPECT_GE(inked, 20) << row.id << ": the figure is hardly drawn";
  }
}

}  // namespace
}  // namespace orvo::testing
