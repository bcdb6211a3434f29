// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tells screen readers as notices: shown one after another
// while a reader listens, only kept while none does, and found by a reader
// that starts later.
#include <QAccessible>
#include <vector>

#include "frontends/qt/candidate_list.h"
#include "frontends/qt/document_pane.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/reader_events.h"
#include "frontends/qt/reader_notices.h"
#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

// A screen reader on the desktop for as long as it lives, as the desktop's
// accessibility bridge reports one starting and ending.
class ReaderOn {
 public:
  ReaderOn() { QAccessible::setActive(true); }
  ~ReaderOn() { QAccessible::setActive(false); }
  ReaderOn(const ReaderOn&) = delete;
  ReaderOn& operator=(const ReaderOn&) = delete;
};

int NoticesShown(const qt::MainView& view) {
  int shown = 0;
  for (const qt::ReaderNotice* n : view.findChildren<qt::ReaderNotice*>()) shown += n->isVisible() ? 1 : 0;
  return shown;
}

// What the program says after one input is the name of the notice shown for
// it (readers speak a notification as it is shown). Each input has its own
// notice: a reader taking the events late still finds each line as it was.
TEST_F(QtFrontEnd, WhatTheProgramSaysIsShownAsANoticeAfterEachInput) {
  const ReaderOn reader;
  std::vector<const qt::ReaderNotice*> notices;
  auto heard = [&] { notices.push_back(View().Notices().Last()); };
  Tap(Qt::Key_F1);
  heard();
  Chord({Qt::Key_F, Qt::Key_D});  // dots 1 2: い, its dots and its sound in one notice
  heard();
  Chord({Qt::Key_F});  // あ
  heard();
  std::vector<QString> names;
  for (const qt::ReaderNotice* n : notices) names.push_back(n ? n->accessibleName() : QString());
  EXPECT_EQ(names, (std::vector<QString>{QStringLiteral("テンジ ニューリョク モード ヒラガナ"), QStringLiteral("テン 1 2 い"),
                                         QStringLiteral("テン 1 あ")}));
  EXPECT_NE(notices[0], notices[1]);
  EXPECT_NE(notices[1], notices[2]);
  // Only the newest is shown; readers know it as a notification in a status bar,
  // and it cannot take the focus. The document keeps its own description.
  for (const qt::ReaderNotice* n : View().findChildren<qt::ReaderNotice*>()) {
    EXPECT_EQ(n->isVisible(), n == notices[2]) << n->accessibleName().toStdString();
  }
  QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(const_cast<qt::ReaderNotice*>(notices[2]));
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->role(), QAccessible::Notification);
  EXPECT_EQ(notice->text(QAccessible::Name), QStringLiteral("テン 1 あ"));
  EXPECT_FALSE(notice->state().focusable);
  ASSERT_NE(notice->parent(), nullptr);
  EXPECT_EQ(notice->parent()->role(), QAccessible::StatusBar);
  EXPECT_EQ(View().Text().accessibleDescription(), QStringLiteral("文書のテキスト"));
  // An input with nothing to say shows no notice.
  Press(Qt::Key_F);
  EXPECT_EQ(View().Notices().Last(), notices[2]);
  Release(Qt::Key_F);
}

// No reader: nothing is shown, so no accessibility event is made, but each
// line is kept; a reader that starts later finds the newest shown, and hears
// each line after that as before.
TEST_F(QtFrontEnd, WithoutAReaderNoticesAreKeptAndAReaderStartedLaterFindsTheNewest) {
  ASSERT_FALSE(QAccessible::isActive());
  Tap(Qt::Key_F1);
  Chord({Qt::Key_F, Qt::Key_D});  // い
  EXPECT_EQ(View().Notices().Last(), nullptr);
  EXPECT_EQ(NoticesShown(View()), 0);
  EXPECT_EQ(View().Notices().Newest(), QStringLiteral("テン 1 2 い"));
  {
    const ReaderOn reader;
    ASSERT_NE(View().Notices().Last(), nullptr);
    EXPECT_EQ(View().Notices().Last()->accessibleName(), QStringLiteral("テン 1 2 い"));
    EXPECT_EQ(NoticesShown(View()), 1);
    Chord({Qt::Key_F});  // あ
    EXPECT_EQ(View().Notices().Last()->accessibleName(), QStringLiteral("テン 1 あ"));
    EXPECT_EQ(NoticesShown(View()), 1);
  }
  // The reader gone and back: what was said meanwhile is the one it finds.
  const qt::ReaderNotice* before = View().Notices().Last();
  Chord({Qt::Key_F, Qt::Key_J});  // dots 1 4: う
  EXPECT_EQ(View().Notices().Last(), before);
  const ReaderOn again;
  EXPECT_EQ(View().Notices().Last()->accessibleName(), View().Notices().Newest());
  EXPECT_NE(View().Notices().Last(), before);
}

// While converting, the reader hears each choice as the candidate list's
// focused item, with its description and number; the program's line saying
// the same is left out of the notice, so the candidate is heard once. What
// else the input said is still said.
TEST_F(QtFrontEnd, ACandidateIsHeardOnceAsTheListsItemNotAgainAsANotice) {
  const ReaderOn reader;
  Tap(Qt::Key_F1);
  Chord({Qt::Key_F});
  Chord({Qt::Key_F, Qt::Key_D});  // あい
  std::vector<QString> focused;
  const qt::ReaderListener before = qt::SetReaderListener([&](QAccessibleEvent& event) {
    const qt::CandidateList& list = View().Pane().Candidates();
    if (event.type() == QAccessible::Focus && event.object() == &list && event.child() >= 0) {
      focused.push_back(list.item(event.child())->data(Qt::AccessibleTextRole).toString());
    }
  });
  const QString said_before = View().Notices().Newest();
  Tap(Qt::Key_Space);
  ASSERT_EQ(focused.size(), 1u);
  EXPECT_TRUE(focused[0].endsWith(QStringLiteral(" 1"))) << focused[0].toStdString();
  // The program said the candidate (and nothing else): no new notice.
  EXPECT_EQ(View().Notices().Newest(), said_before);
  Tap(Qt::Key_Space);  // the next candidate: heard once again, as the list's item
  qt::SetReaderListener(before);
  ASSERT_EQ(focused.size(), 2u);
  EXPECT_TRUE(focused[1].endsWith(QStringLiteral(" 2"))) << focused[1].toStdString();
  EXPECT_EQ(View().Notices().Newest(), said_before);
  // Confirming is said as before.
  Tap(Qt::Key_N);
  EXPECT_TRUE(View().Notices().Newest().startsWith(QStringLiteral("カクテイ"))) << View().Notices().Newest().toStdString();
}

}  // namespace
}  // namespace orvo::testing
