// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's dark or high-contrast palette, where it has one, over the
// program's stock greys and text colours; the program's own colours where the
// desktop sets none, and always for what a colour means (a colour swatch).
#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTimer>

#include "toolkit/forms/control.h"
#include "toolkit/message_box.h"
#include "frontends/qt/desktop_colours.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/forms/form_views.h"
#include "frontends/qt/qt_text.h"
#include "session_fixture.h"

namespace orvo::testing {
namespace {

using qt::ColourUse;

QPalette Dark() {
  QPalette dark(QColor(30, 30, 30));
  dark.setColor(QPalette::WindowText, QColor(250, 250, 120));
  dark.setColor(QPalette::ButtonText, QColor(250, 250, 120));
  dark.setColor(QPalette::Text, QColor(250, 250, 120));
  dark.setColor(QPalette::Base, QColor(0, 0, 0));
  return dark;
}

// The desktop's palette for as long as it lives.
class DesktopPalette {
 public:
  explicit DesktopPalette(const QPalette& palette) : before_(QApplication::palette()) { QApplication::setPalette(palette); }
  ~DesktopPalette() { QApplication::setPalette(before_); }

 private:
  QPalette before_;
};

TEST(DesktopColours, StockColoursGiveWayOnlyToADesktopPaletteAndOnlyInTheirUse) {
  App();
  ASSERT_FALSE(qt::DesktopSetsColours());
  EXPECT_FALSE(qt::GivesWay(forms::colour::kButtonFace, ColourUse::kBackground));
  EXPECT_FALSE(qt::GivesWay(mb_color::kDarkBlue, ColourUse::kText));
  {
    DesktopPalette dark(Dark());
    EXPECT_TRUE(qt::DesktopSetsColours());
    EXPECT_TRUE(qt::GivesWay(forms::colour::kButtonFace, ColourUse::kBackground));
    EXPECT_TRUE(qt::GivesWay(mb_color::kGrey, ColourUse::kBackground));
    EXPECT_TRUE(qt::GivesWay(forms::colour::kBlack, ColourUse::kText));
    EXPECT_TRUE(qt::GivesWay(mb_color::kDarkBlue, ColourUse::kText));
    EXPECT_TRUE(qt::GivesWay(mb_color::kDarkRed, ColourUse::kText));
    // A black swatch is black on any desktop; a colour of the person's choosing stays.
    EXPECT_FALSE(qt::GivesWay(forms::colour::kBlack, ColourUse::kBackground));
    EXPECT_FALSE(qt::GivesWay(0xFF0000u, ColourUse::kBackground));
    EXPECT_FALSE(qt::GivesWay(0x0000FFu, ColourUse::kText));
    QLabel label;
    const QPalette pal = qt::PaletteFor(label, mb_color::kDarkBlue, forms::colour::kButtonFace, true);
    EXPECT_EQ(pal.color(QPalette::WindowText), QColor(250, 250, 120));
    EXPECT_EQ(pal.color(QPalette::Window), QColor(30, 30, 30));
    const QPalette swatch = qt::PaletteFor(label, forms::colour::kBlack, 0x00FF00u, true);
    EXPECT_EQ(swatch.color(QPalette::Window), QColor(0, 255, 0));
  }
  EXPECT_FALSE(qt::DesktopSetsColours());
}

// The message box's dark blue on grey becomes the desktop's light on dark.
TEST_F(QtFrontEnd, AMessageBoxTakesTheDesktopsDarkPalette) {
  DesktopPalette dark(Dark());
  bool seen = false;
  QTimer::singleShot(0, &View(), [&] {
    qt::FormView* box = S().Views().Find("frmMsgEx");
    if (box == nullptr) return;
    seen = true;
    const QLabel* text = box->Find<QLabel>("lblMSG");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->palette().color(QPalette::WindowText), QColor(250, 250, 120));
    EXPECT_EQ(box->palette().color(QPalette::Window), QColor(30, 30, 30));
    QTest::keyClick(box, Qt::Key_Escape);
  });
  EXPECT_FALSE(View().close());
  EXPECT_TRUE(seen);
}

TEST_F(QtFrontEnd, AMessageBoxKeepsItsOwnColoursWhereTheDesktopSetsNone) {
  bool seen = false;
  QTimer::singleShot(0, &View(), [&] {
    qt::FormView* box = S().Views().Find("frmMsgEx");
    if (box == nullptr) return;
    seen = true;
    const QLabel* text = box->Find<QLabel>("lblMSG");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->palette().color(QPalette::WindowText), qt::ToQColor(mb_color::kDarkBlue));
    EXPECT_EQ(box->palette().color(QPalette::Window), qt::ToQColor(mb_color::kGrey));
    QTest::keyClick(box, Qt::Key_Escape);
  });
  EXPECT_FALSE(View().close());
  EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace orvo::testing
