// SPDX-License-Identifier: GPL-3.0-or-later
// A burst of keys that arrives faster than the window can paint: every key
// waits in the window system's queue before the first is handled. Each one
// must reach the document, in order, the program's own input queue must not
// pile up behind them, and the last key must be on the screen as soon as the
// burst has been handled, not a frame or a timer later.
#include <QKeyEvent>
#include <QPaintEvent>
#include <algorithm>
#include <vector>

#include "platform/emulated/desktop.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

// Watches the burst: the program's input queue as each key arrives, and what
// the document widget showed each time it painted.
class BurstWatch : public QObject {
 public:
  BurstWatch(qt::QtSession& session, QWidget& viewport, const qt::DocumentEdit& text)
      : session_(session), viewport_(viewport), text_(text) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~BurstWatch() override { QCoreApplication::instance()->removeEventFilter(this); }
  BurstWatch(const BurstWatch&) = delete;
  BurstWatch& operator=(const BurstWatch&) = delete;

  std::size_t deepest_queue = 0;
  int keys_seen = 0;
  int paints = 0;
  int keys_before_last_paint = 0;
  qsizetype painted_length = -1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      ++keys_seen;
      deepest_queue = std::max(deepest_queue, session_.desktop.Queue().Size());
    }
    if (event->type() == QEvent::Paint && watched == &viewport_) {
      ++paints;
      keys_before_last_paint = keys_seen;
      painted_length = text_.document()->characterCount() - 1;
    }
    return false;
  }

 private:
  qt::QtSession& session_;
  QWidget& viewport_;
  const qt::DocumentEdit& text_;
};

TEST_F(QtFrontEnd, AThousandKeyBurstArrivesWholeInOrderAndIsPaintedAtItsEnd) {
  constexpr int kKeys = 1000;
  const Qt::Key letters[] = {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D, Qt::Key_E,
                             Qt::Key_G, Qt::Key_H, Qt::Key_I, Qt::Key_M, Qt::Key_O};
  ustring expected;
  BurstWatch watch(S(), *View().Text().viewport(), View().Text());
  // Posted, not sent: all of them are queued before the first is handled.
  for (int i = 0; i < kKeys; ++i) {
    const Qt::Key key = letters[i % 10];
    const QString letter = QString(QChar(u'a' + (key - Qt::Key_A)));
    QCoreApplication::postEvent(&View(), new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, letter));
    QCoreApplication::postEvent(&View(), new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, letter));
    expected += static_cast<char16_t>(u'a' + (key - Qt::Key_A));
  }
  QCoreApplication::processEvents();

  EXPECT_EQ(watch.keys_seen, 2 * kKeys);
  EXPECT_EQ(Text(), expected);  // every key, in order
  EXPECT_EQ(View().Text().toPlainText(), qt::ToQ(expected));
  // The program's queue holds a key or two at a time, whatever waits behind it.
  EXPECT_LE(watch.deepest_queue, 2u);
  EXPECT_EQ(S().desktop.Queue().Size(), 0u);
  // The last paint came after the last key's press and showed the whole burst.
  EXPECT_GT(watch.paints, 0);
  EXPECT_GE(watch.keys_before_last_paint, 2 * kKeys - 1);
  EXPECT_EQ(watch.painted_length, kKeys);
}

}  // namespace
}  // namespace orvo::testing
