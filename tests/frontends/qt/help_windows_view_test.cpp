// SPDX-License-Identifier: GPL-3.0-or-later
// The help windows in the Qt window: the helper drawn and named by the
// generic form view, and each key diagram drawn from its SVG source at its
// full size with its text alternative as the picture's description.
#include <QLabel>

#include "help/diagrams_window.h"
#include "help/help_texts.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/forms/widget_peers.h"
#include "frontends/qt/forms/form_views.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

TEST_F(QtFrontEnd, TheHelperIsDrawnAndNamed) {
  Tap(Qt::Key_F1);
  Tap(Qt::Key_F4);
  Drain();
  qt::FormView* view = S().Views().Find("frmHELPER");
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->isVisible());
  EXPECT_TRUE(view->Undrawn().empty());
  EXPECT_EQ(view->windowTitle(), QStringLiteral("点字ヘルパー"));
  EXPECT_EQ(view->WidgetOf("txtROLL")->accessibleName(), QStringLiteral("点字一覧表"));
  // 183 x 303 less the frame, grown alike both ways for the captions to fit this desktop's font.
  EXPECT_GE(view->Growth(), 1.0);
  EXPECT_EQ(view->size(), QSize(qRound(175 * view->Growth()), qRound(276 * view->Growth())));
  Tap(Qt::Key_Space);
  Drain();
  EXPECT_FALSE(S().program.flags.HelperOpen);
}

TEST_F(QtFrontEnd, EachDiagramIsDrawnFromItsSourceAndDescribed) {
  help::DiagramsWindow diagrams(S().program.context);
  ASSERT_TRUE(S().program.forms.Load(diagrams));
  qt::FormView view(diagrams, [] {}, {});
  for (int i = 0; i < help::DiagramsWindow::kPictures; ++i) {
    diagrams.cmdBTN[static_cast<std::size_t>(i)].Click();
    view.Sync();
    auto* picture = view.Find<QLabel>("imgKEY", i);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->accessibleName(), qt::ToQ(help::text::kDiagramNames[static_cast<std::size_t>(i)]));
    EXPECT_EQ(picture->accessibleDescription(),
              qt::ToQ(help::text::kDiagramAlternatives[static_cast<std::size_t>(i)]));
    const QPixmap drawn = picture->pixmap();
    ASSERT_FALSE(drawn.isNull()) << i;
    // The diagram's box, grown with the window as its captions needed.
    EXPECT_EQ(drawn.size(), qt::Scaled(QRect(0, 0, 550, 300), view.Growth()).size());
    // Not blank: the source drew its ink.
    const QImage image = drawn.toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); y += 2)
      for (int x = 0; x < image.width(); x += 2) ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    EXPECT_GT(ink, 500) << i;
  }
  S().program.forms.Unload(diagrams);
}

}  // namespace
}  // namespace orvo::testing
