// SPDX-License-Identifier: GPL-3.0-or-later
// A composition typed past the right edge of the view: the widget scrolls its
// caret into view, and the next key must not scroll the view back to where
// the model (which does not hold the composition) would have it, or each key
// would scroll, and repaint the whole view, twice.
#include <QScrollBar>
#include <vector>

#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

TEST_F(QtFrontEnd, ACompositionPastTheRightEdgeScrollsOnlyForwardUntilConfirmed) {
  auto& box = W().ActiveTextBox();
  const ustring line(400, u'a');
  box.SetText(line);
  box.SetSel(static_cast<int>(line.size()), 0);
  Drain();
  QScrollBar& bar = *View().Text().horizontalScrollBar();
  ASSERT_GT(bar.maximum(), 0) << "the line must be wider than the view";
  Tap(Qt::Key_F1);

  std::vector<int> moves;
  const QMetaObject::Connection watch =
      QObject::connect(&bar, &QScrollBar::valueChanged, [&moves](int value) { moves.push_back(value); });
  for (int i = 0; i < 40; ++i) Chord({Qt::Key_F});  // あ, forty times
  QObject::disconnect(watch);

  ASSERT_EQ(PreeditShown().size(), 40);
  ASSERT_FALSE(moves.empty()) << "the composition ran past the edge";
  for (std::size_t i = 1; i < moves.size(); ++i) EXPECT_GT(moves[i], moves[i - 1]) << "a move back at " << i;
  // The composition's caret, after its last character, stays in view.
  // (Scrolled as little as it takes, it stands on the right edge.)
  const QRect caret = View().Text().PreeditRect(40);
  const QRect view = View().Text().viewport()->geometry();
  EXPECT_GE(caret.x(), view.left());
  EXPECT_LE(caret.x(), view.right() + 1);
  // Confirmed, the text is the model's and so is the scroll position again.
  Tap(Qt::Key_Return);
  EXPECT_EQ(Text(), line + ustring(40, u'あ'));
  EXPECT_TRUE(View().Text().viewport()->rect().contains(View().Text().cursorRect().center()));
}

}  // namespace
}  // namespace orvo::testing
