// SPDX-License-Identifier: GPL-3.0-or-later
// What a person with low vision needs to find on the screen: the candidate
// list beside the clause (never over it) with all nine candidates shown at a
// large text size, a caret that grows with the text, and a ring around
// whichever control has the keyboard.
#include <QFontInfo>
#include <QFontMetrics>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <map>

#include "platform/emulated/text_box.h"
#include "frontends/qt/candidate_list.h"
#include "frontends/qt/document_pane.h"
#include "frontends/qt/forms/focus_ring.h"
#include "frontends/qt/forms/form_view.h"
#include "frontends/qt/forms/form_views.h"
#include "session_fixture.h"

namespace orvo::testing {
namespace {

TEST(CandidatePlace, UnderTheClauseElseAboveItElseNowhere) {
  const QRect room(0, 0, 400, 300);
  const QSize list(100, 120);
  // Room below: under the line, two pixels apart.
  EXPECT_EQ(qt::PlaceBeside(QRect(10, 20, 30, 20), list, room, 2), QPoint(10, 42));
  // Exactly room below.
  EXPECT_EQ(qt::PlaceBeside(QRect(10, 158, 30, 20), list, room, 2), QPoint(10, 180));
  // One pixel short below: above, its bottom two pixels over the clause's top.
  EXPECT_EQ(qt::PlaceBeside(QRect(10, 159, 30, 20), list, room, 2), QPoint(10, 37));
  // Moved in from the right edge, never past the left.
  EXPECT_EQ(qt::PlaceBeside(QRect(380, 20, 10, 20), list, room, 2), QPoint(300, 42));
  EXPECT_EQ(qt::PlaceBeside(QRect(10, 20, 10, 20), QSize(500, 120), room, 2), QPoint(0, 42));
  // Neither side has room: nowhere, rather than over the clause.
  EXPECT_EQ(qt::PlaceBeside(QRect(10, 100, 30, 20), QSize(100, 190), room, 2), std::nullopt);
  // A room that does not start at zero (a screen's work area under a panel).
  EXPECT_EQ(qt::PlaceBeside(QRect(10, 130, 30, 20), list, QRect(0, 30, 400, 200), 2), std::nullopt);
  EXPECT_EQ(qt::PlaceBeside(QRect(10, 160, 30, 20), list, QRect(0, 30, 400, 200), 2), QPoint(10, 38));
}

TEST(CandidatePlace, ColumnsShareTheRowsOutAlike) {
  struct Case {
    int rows, row_height, height, columns, per_column;
  };
  const Case cases[] = {
      {9, 20, 180, 1, 9},  // all nine fit
      {9, 20, 179, 2, 5},  // one short: two columns, five and four
      {9, 40, 130, 3, 3},  // three rows a column
      {9, 40, 10, 9, 1},   // lower than a row: one row, side by side
      {0, 20, 100, 1, 0},
  };
  for (const Case& c : cases) {
    const qt::Columns got = qt::ColumnsFor(c.rows, c.row_height, c.height);
    EXPECT_EQ(got.columns, c.columns) << c.rows << " " << c.height;
    EXPECT_EQ(got.rows, c.per_column) << c.rows << " " << c.height;
  }
}

TEST(Caret, WidensWithTheText) {
  EXPECT_EQ(qt::CaretWidthFor(14), 1);  // 9 pt
  EXPECT_EQ(qt::CaretWidthFor(22), 1);  // 14 pt
  EXPECT_GE(qt::CaretWidthFor(38), 3);  // 28 pt
  for (int h = 1; h < 200; ++h) EXPECT_LE(qt::CaretWidthFor(h), qt::CaretWidthFor(h + 1)) << h;
}

// A screen too low for the nine on either side of the clause: columns, every candidate whole.
// A full page of nine candidates for にほん, the one at `current` chosen.
qt::CandidatePage NineCandidates(int current) {
  qt::CandidatePage page;
  for (const char16_t* c : {u"日本", u"二本", u"ニホン", u"2本", u"２本", u"2ホン", u"２ホン", u"弐本", u"弐ホン"}) {
    page.items.push_back(c);
  }
  page.current = current;
  return page;
}

TEST(CandidateColumns, EveryCandidateShowsWhenTheScreenIsTooLowForOneColumn) {
  App();
  QWidget document;
  QFont large = document.font();
  large.setPointSize(40);
  document.setFont(large);
  const QRect screen = document.screen()->availableGeometry();
  document.setGeometry(screen);
  document.show();
  qt::CandidateList list(&document);
  const qt::CandidatePage page = NineCandidates(0);
  const int row = QFontMetrics(large).height();
  const QRect clause(10, screen.height() / 2 - row / 2, 2 * row, row);
  ASSERT_GT(9 * row, screen.height() / 2) << "a screen this tall needs a larger font";
  list.ShowPage(page, clause);
  QCoreApplication::processEvents();
  ASSERT_TRUE(list.isVisible());
  EXPECT_GT(list.ColumnCount(), 1);
  EXPECT_TRUE(list.Floats());
  const QRect shown = list.geometry();
  const QRect on_screen(document.mapToGlobal(clause.topLeft()), clause.size());
  EXPECT_FALSE(shown.intersects(on_screen));
  EXPECT_TRUE(screen.contains(shown));
  for (int k = 0; k < list.count(); ++k) {
    EXPECT_TRUE(list.viewport()->rect().contains(list.visualItemRect(list.item(k)))) << "candidate " << k + 1 << " is cut";
  }
}

TEST(CandidateColumns, TextTooLargeForTheScreenInAnyColumnsStepsDownToTheDesktopsSize) {
  App();
  QWidget document;
  const QRect screen = document.screen()->availableGeometry();
  QFont huge = document.font();
  huge.setPixelSize(screen.height() / 4);
  document.setFont(huge);
  document.setGeometry(screen);
  document.show();
  qt::CandidateList list(&document);
  const qt::CandidatePage page = NineCandidates(8);
  const int row = QFontMetrics(huge).height();
  const QRect clause(10, screen.height() / 2 - row / 2, 2 * row, row);
  list.ShowPage(page, clause);
  QCoreApplication::processEvents();
  ASSERT_TRUE(list.isVisible());
  const QRect shown = list.geometry();
  EXPECT_TRUE(screen.contains(shown)) << shown.width() << "x" << shown.height();
  EXPECT_FALSE(shown.intersects(QRect(document.mapToGlobal(clause.topLeft()), clause.size())));
  for (int k = 0; k < list.count(); ++k) {
    EXPECT_TRUE(list.viewport()->rect().contains(list.visualItemRect(list.item(k)))) << "candidate " << k + 1 << " is cut";
  }
  // Smaller than the document's, never smaller than the desktop's.
  EXPECT_LT(QFontInfo(list.font()).pixelSize(), QFontInfo(huge).pixelSize());
  EXPECT_GE(QFontInfo(list.font()).pixelSize(), QFontInfo(QApplication::font()).pixelSize());
}

class LargeText : public QtFrontEnd {
 protected:
  void SetUp() override {
    QtFrontEnd::SetUp();
    // Kanji conversion, for a clause with many candidates.
    session_.reset();
    qt::QtSessionOptions options;
    options.folder = folder_.Path();
    options.interactive = false;
    options.code_page = emu::CodePage::kCp932;
    session_ = std::make_unique<qt::QtSession>(options);
    ASSERT_TRUE(session_->Start());
    Drain();
    Play(script::kStartPrelude);
  }
  void SetPoints(int points) {
    for (int i = 0; i < 2; ++i) {
      FontSpec font = W().TextBoxAt(i).Font();
      font.points = points;
      W().TextBoxAt(i).SetFont(font);
    }
    S().Settle();
  }
  // Types あい in braille (turned on first unless it is on) and converts it.
  void Convert() {
    if (!BrailleMode()) Tap(Qt::Key_F1);
    Chord({Qt::Key_F});
    Chord({Qt::Key_F, Qt::Key_D});
    Tap(Qt::Key_Space);
    Drain();
  }
  // The clause and the list on the screen.
  QRect ClauseOnScreen() {
    const QRect at = View().Text().PreeditRect(0);
    return QRect(View().Text().mapToGlobal(at.topLeft()), at.size());
  }
  QRect ListOnScreen() {
    const qt::CandidateList& list = View().Pane().Candidates();
    return list.Floats() ? list.geometry() : QRect(list.parentWidget()->mapToGlobal(list.pos()), list.size());
  }
  void ExpectNineBesideTheClause(const char* where) {
    const qt::CandidateList& list = View().Pane().Candidates();
    ASSERT_TRUE(list.isVisible()) << where;
    ASSERT_EQ(list.count(), 9) << where;
    for (int k = 0; k < list.count(); ++k) {
      const QRect row = list.visualItemRect(list.item(k));
      EXPECT_TRUE(list.viewport()->rect().contains(row)) << where << ": candidate " << k + 1 << " is cut " << row.x() << "," << row.y() << " " << row.width() << "x" << row.height() << " in " << list.viewport()->width() << "x" << list.viewport()->height() << " cols " << list.ColumnCount();
    }
    const QRect clause = ClauseOnScreen();
    const QRect shown = ListOnScreen();
    EXPECT_FALSE(shown.intersects(clause)) << where;
    EXPECT_TRUE(shown.top() > clause.bottom() || shown.bottom() < clause.top()) << where;
    EXPECT_TRUE(View().screen()->availableGeometry().contains(shown)) << where;
    if (!list.Floats()) {
      EXPECT_TRUE(View().Text().rect().contains(list.geometry())) << where;
    }
  }
};

TEST_F(LargeText, NineCandidatesBesideTheClauseAt28Points) {
  SetPoints(28);
  EXPECT_GE(View().Text().cursorWidth(), 3);
  Convert();
  ExpectNineBesideTheClause("top of the document");
  EXPECT_GT(ListOnScreen().top(), ClauseOnScreen().bottom());  // under it while there is room
  Tap(Qt::Key_Return);
  EXPECT_FALSE(View().Pane().Candidates().isVisible());
  // The clause at the bottom of the screen: the list goes above it.
  const QRect room = View().screen()->availableGeometry();
  View().move(View().x(), room.bottom() - View().frameGeometry().height() + 1);
  Drain();
  for (int i = 0; i < 12; ++i) Tap(Qt::Key_Return);
  Convert();
  ExpectNineBesideTheClause("bottom of the screen");
  EXPECT_LT(ListOnScreen().bottom(), ClauseOnScreen().top());
}

TEST_F(LargeText, TheUsualSizeKeepsTheListInsideTheDocument) {
  Convert();
  ExpectNineBesideTheClause("usual size");
  EXPECT_FALSE(View().Pane().Candidates().Floats());
  EXPECT_EQ(View().Text().cursorWidth(), 1);
}

// The font list and the colour choices show where the keyboard is.
TEST_F(QtFrontEnd, TheSettingsControlsShowTheKeyboardWithARing) {
  std::map<QString, bool> ringed;
  QTimer watch;
  watch.setInterval(0);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    qt::FormView* view = S().Views().Find("frmSETING");
    if (view == nullptr || !view->isVisible() || view->Ring() == nullptr) return;
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || focused->window() != view) return;
    QString name = focused->objectName();
    if (focused == view->WidgetOf("optCOLOR", 1)) name += QLatin1Char('1');
    const qt::FocusRing& ring = *view->Ring();
    const QRect around(focused->mapTo(&view->Canvas(), QPoint(0, 0)), focused->size());
    ringed[name] = ringed[name] || (ring.isVisible() && ring.Target() == focused && ring.geometry().contains(around) &&
                                    ring.geometry() != around);
  });
  watch.start();
  // The font list, the size list, 文字色, then 背景色 by the arrow.
  Play("menu mnuSETTING\ntap Tab\ntap Tab\ntap Tab\ntap Down\ntap F5\n");
  watch.stop();
  EXPECT_TRUE(ringed[QStringLiteral("lstFONT")]);
  EXPECT_TRUE(ringed[QStringLiteral("lstSIZE")]);
  EXPECT_TRUE(ringed[QStringLiteral("optCOLOR")]);
  EXPECT_TRUE(ringed[QStringLiteral("optCOLOR1")]);
}

}  // namespace
}  // namespace orvo::testing
