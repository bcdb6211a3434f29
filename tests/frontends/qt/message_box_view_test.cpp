// SPDX-License-Identifier: GPL-3.0-or-later
// The message box on the offscreen platform, drawn by the generic form view
// from the box's own form: closed by keys that go through the input queue, or
// by a click on a button.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/forms/form_views.h"
#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

class QtMessageBox : public QtFrontEnd {
 protected:
  // Asks to close the window; `answer` runs while the question is on the screen.
  bool CloseAnswering(const std::function<void(qt::FormView&)>& answer) {
    QTimer::singleShot(0, &View(), [this, answer] {
      qt::FormView* box = Box();
      seen_ = box != nullptr && box->isVisible();
      if (box == nullptr) return;
      text_ = box->Find<QLabel>("lblMSG")->text();
      answer(*box);
    });
    return View().close();
  }
  qt::FormView* Box() { return S().Views().Find("frmMsgEx"); }
  bool BoxShown() { return Box() != nullptr && Box()->isVisible(); }
  bool seen_ = false;
  QString text_;
};

TEST_F(QtMessageBox, EnterChoosesOkAndTheProgramEnds) {
  const bool closed = CloseAnswering([](qt::FormView& d) {
    EXPECT_EQ(d.Find<QPushButton>("cmdBTN", 0)->text(), QStringLiteral("ＯＫ"));
    EXPECT_EQ(d.Find<QPushButton>("cmdBTN", 1)->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(d.Find<QPushButton>("cmdBTN", 2), nullptr);
    EXPECT_TRUE(d.isModal());
    // Readers hear the message as the dialog's description, and the icon by its kind.
    EXPECT_TRUE(d.accessibleDescription().contains(QStringLiteral("終了")));
    ASSERT_NE(d.WidgetOf("imgICON"), nullptr);
    EXPECT_EQ(d.WidgetOf("imgICON")->accessibleName(), QStringLiteral("情報"));
    EXPECT_EQ(d.Undrawn().size(), 0u);
    QTest::keyClick(&d, Qt::Key_Return);
  });
  EXPECT_TRUE(seen_);
  EXPECT_TRUE(text_.contains(QStringLiteral("終了")));
  EXPECT_TRUE(closed);
  EXPECT_TRUE(S().host.Ended());
  EXPECT_FALSE(BoxShown());
}

TEST_F(QtMessageBox, EscCancelsAndTheWindowStays) {
  const bool closed = CloseAnswering([](qt::FormView& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  EXPECT_TRUE(seen_);
  EXPECT_FALSE(closed);
  EXPECT_TRUE(S().program.Running());
  EXPECT_TRUE(View().isVisible());
  EXPECT_FALSE(BoxShown());
}

TEST_F(QtMessageBox, TabThenEnterChoosesTheNextButton) {
  const bool closed = CloseAnswering([](qt::FormView& d) {
    QTest::keyClick(&d, Qt::Key_Tab);
    QTest::keyClick(&d, Qt::Key_Return);
  });
  EXPECT_FALSE(closed);  // キャンセル
  EXPECT_TRUE(S().program.Running());
}

TEST_F(QtMessageBox, AClickChoosesTheButton) {
  const bool closed = CloseAnswering([](qt::FormView& d) { QTest::mouseClick(d.Find<QPushButton>("cmdBTN", 0), Qt::LeftButton); });
  EXPECT_TRUE(closed);
  EXPECT_TRUE(S().host.Ended());
}

TEST_F(QtMessageBox, NoAnswerEndsTheWaitWithoutAChoice) {
  // Input that ends while the box waits leaves it with no button chosen.
  const bool closed = CloseAnswering([](qt::FormView&) {});
  EXPECT_TRUE(seen_);
  EXPECT_EQ(S().program.messages.History().back().result, 0);
  EXPECT_EQ(closed, S().host.Ended());
}

}  // namespace
}  // namespace orvo::testing
