// SPDX-License-Identifier: GPL-3.0-or-later
// A window its model makes larger than the screen's work area: it stays
// inside the work area and scrolls, and the control given the keyboard is
// brought into sight with its focus ring. A window grown for its captions
// grows its pictures with it.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "toolkit/forms/test_form.h"
#include "toolkit/picture_ids.h"
#include "frontends/qt/forms/focus_ring.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/forms/widget_peers.h"
#include "frontends/qt/qt_app.h"

namespace orvo::forms::test {
namespace {

TEST(WindowFit, AWindowLargerThanTheWorkAreaScrollsToTheControlWithTheKeyboard) {
  orvo::testing::App();
  Rig rig;
  TestForm dlg(rig.runtime, "dlg", rig.log);
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  const int width = room.width() + 300;
  const int height = room.height() + 300;
  dlg.Move({0, 0, width * 15, height * 15});
  dlg.cmdOK.SetBounds({width - 120, height - 60, 80, 24});
  rig.runtime.Show(dlg);
  qt::FormView view(dlg, [] {}, qt::FormView::Options{});
  view.Sync();
  QCoreApplication::processEvents();
  ASSERT_TRUE(view.isVisible());
  EXPECT_TRUE(room.contains(view.frameGeometry()));
  EXPECT_GE(view.Canvas().width(), dlg.InnerPx().width);
  EXPECT_GE(view.Canvas().height(), dlg.InnerPx().height);
  auto* scroll = view.findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
  EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
  // The far corner's button takes the keyboard: it is scrolled into sight.
  auto* ok = view.Find<QPushButton>("cmdOK");
  ASSERT_NE(ok, nullptr);
  view.activateWindow();
  ASSERT_TRUE(dlg.cmdOK.SetFocus());
  view.Sync();
  QCoreApplication::processEvents();
  ASSERT_TRUE(ok->hasFocus());
  const QRect shown(ok->mapTo(scroll->viewport(), QPoint(0, 0)), ok->size());
  EXPECT_TRUE(scroll->viewport()->rect().contains(shown));
  ASSERT_NE(view.Ring(), nullptr);
  EXPECT_TRUE(view.Ring()->isVisible());
  EXPECT_EQ(view.Ring()->Target(), ok);
}

TEST(WindowFit, PicturesGrowWithTheWindow) {
  orvo::testing::App();
  Rig rig;
  TestForm dlg(rig.runtime, "dlg", rig.log);
  dlg.picLogo.SetBounds({200, 8, 32, 32});
  dlg.picLogo.SetPicture(picture_id::kAppIcon);
  // A caption far too long for its label: the window grows until it fits.
  dlg.lblName.SetBounds({8, 8, 40, 16});
  dlg.lblName.SetCaption(u"とても長い名前の欄です");
  rig.runtime.Show(dlg);
  qt::FormView view(dlg, [] {}, qt::FormView::Options{});
  view.Sync();
  QCoreApplication::processEvents();
  ASSERT_GT(view.Growth(), 1.5);
  auto* logo = view.Find<QLabel>("picLogo");
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(logo->size(), qt::Scaled(QRect(200, 8, 32, 32), view.Growth()).size());
  EXPECT_EQ(logo->pixmap().deviceIndependentSize().toSize(), logo->size());
}

}  // namespace
}  // namespace orvo::forms::test
