// The message box on the offscreen platform: shown from the box the program
// waits on, closed by keys that go through the input queue, or by a click.
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "platform/qt/message_dialog.h"
#include "platform/qt/session_fixture.h"

namespace orvo::testing {
namespace {

class QtMessageBox : public QtFrontEnd {
 protected:
  // Asks to close the window; `answer` runs while the question is on the screen.
  bool CloseAnswering(const std::function<void(qt::MessageDialog&)>& answer) {
    QTimer::singleShot(0, &View(), [this, answer] {
      seen_ = S().Dialog().isVisible();
      text_ = S().Dialog().TextLabel()->text();
      answer(S().Dialog());
    });
    return View().close();
  }
  bool seen_ = false;
  QString text_;
};

TEST_F(QtMessageBox, EnterChoosesOkAndTheProgramEnds) {
  const bool closed = CloseAnswering([](qt::MessageDialog& d) {
    EXPECT_EQ(d.ButtonAt(0)->text(), QStringLiteral("ＯＫ"));
    EXPECT_EQ(d.ButtonAt(1)->text(), QStringLiteral("キャンセル"));
    EXPECT_EQ(d.ButtonAt(2), nullptr);
    EXPECT_TRUE(d.isModal());
    QTest::keyClick(&d, Qt::Key_Return);
  });
  EXPECT_TRUE(seen_);
  EXPECT_TRUE(text_.contains(QStringLiteral("終了")));
  EXPECT_TRUE(closed);
  EXPECT_TRUE(S().host.Ended());
  EXPECT_FALSE(S().Dialog().isVisible());
}

TEST_F(QtMessageBox, EscCancelsAndTheWindowStays) {
  const bool closed = CloseAnswering([](qt::MessageDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  EXPECT_TRUE(seen_);
  EXPECT_FALSE(closed);
  EXPECT_TRUE(S().program.Running());
  EXPECT_TRUE(View().isVisible());
  EXPECT_FALSE(S().Dialog().isVisible());
}

TEST_F(QtMessageBox, TabThenEnterChoosesTheNextButton) {
  const bool closed = CloseAnswering([](qt::MessageDialog& d) {
    QTest::keyClick(&d, Qt::Key_Tab);
    QTest::keyClick(&d, Qt::Key_Return);
  });
  EXPECT_FALSE(closed);  // キャンセル
  EXPECT_TRUE(S().program.Running());
}

TEST_F(QtMessageBox, AClickChoosesTheButton) {
  const bool closed = CloseAnswering([](qt::MessageDialog& d) { QTest::mouseClick(d.ButtonAt(0), Qt::LeftButton); });
  EXPECT_TRUE(closed);
  EXPECT_TRUE(S().host.Ended());
}

TEST_F(QtMessageBox, NoAnswerEndsTheWaitWithoutAChoice) {
  // Input that ends while the box waits leaves it with no button chosen.
  const bool closed = CloseAnswering([](qt::MessageDialog&) {});
  EXPECT_TRUE(seen_);
  EXPECT_EQ(S().program.messages.History().back().result, 0);
  EXPECT_EQ(closed, S().host.Ended());
}

}  // namespace
}  // namespace orvo::testing
