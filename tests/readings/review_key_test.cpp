// SPDX-License-Identifier: GPL-3.0-or-later
// The review key: one press the character at the caret, a second one at once
// the whole line, a selection described whole; the clock is the caller's.
#include "readings/review_key.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvo::readings {
namespace {

const ustring kText = u"箸を\r\nＡ\r\n\r\nカ😀";

TEST(ReviewKey, OnePressSaysTheCharacterAtTheCaret) {
  struct Case {
    int caret;
    ustring said;
  } const cases[] = {
      {0, u"箸 ワリバシノ ハシ"},
      {1, u"を ヒラガナ を"},
      {2, u"カイギョー"},
      {4, u"Ａ オオモジ エー"},
      {9, u"カ カタカナ カ"},
      {10, u"😀 モジコード 1 エフ 600"},  // both halves of the pair
      {12, u"ブンマツ"},
      {99, u"ブンマツ"},  // a caret past the end is at the end
  };
  for (const Case& c : cases) {
    ReviewKey key;
    EXPECT_EQ(key.Press(kText, c.caret, 0, 0), c.said) << c.caret;
  }
}

TEST(ReviewKey, ASecondPressAtOnceSaysTheLine) {
  ReviewKey key;
  EXPECT_EQ(key.Press(kText, 1, 0, 1000), u"を ヒラガナ を");
  EXPECT_EQ(key.Press(kText, 1, 0, 1000 + ReviewKey::kAgainMs), u"箸を ワリバシノ ハシ、ヒラガナ を");
  // A third press starts again with the character.
  EXPECT_EQ(key.Press(kText, 1, 0, 1100 + ReviewKey::kAgainMs), u"を ヒラガナ を");
  // Too late, or elsewhere: the character again.
  EXPECT_EQ(key.Press(kText, 1, 0, 1101 + 2 * ReviewKey::kAgainMs), u"を ヒラガナ を");
  EXPECT_EQ(key.Press(kText, 0, 0, 1102 + 2 * ReviewKey::kAgainMs), u"箸 ワリバシノ ハシ");
  // An empty line says so.
  EXPECT_EQ(key.Press(kText, 7, 0, 5000), u"カイギョー");
  EXPECT_EQ(key.Press(kText, 7, 0, 5001), u"クーギョー");
}

TEST(ReviewKey, TheLineIsReadInKatakanaWhereAReadingIsToBeHad) {
  std::vector<ustring> asked;
  const ReadingOf reading_of = [&asked](ustring_view line) {
    asked.emplace_back(line);
    return line == u"箸を" ? ustring(u"はしを") : ustring();
  };
  ReviewKey key;
  key.Press(kText, 0, 0, 0, reading_of);
  EXPECT_EQ(key.Press(kText, 0, 0, 1, reading_of), u"箸を ヨミ ハシヲ");
  // No reading found: the line is described instead.
  key.Press(kText, 9, 0, 10, reading_of);
  EXPECT_EQ(key.Press(kText, 9, 0, 11, reading_of), u"カ😀 カタカナ カ、モジコード 1 エフ 600");
  EXPECT_EQ(asked, (std::vector<ustring>{u"箸を", u"カ😀"}));  // the line alone, never its line end
  // A long line is read up to the limit, and said to be cut.
  const ustring long_line(ReviewKey::kMostRead + 10, u'あ');
  const ReadingOf echo = [](ustring_view line) { return ustring(line); };
  key.Press(long_line, 0, 0, 20, echo);
  EXPECT_EQ(key.Press(long_line, 0, 0, 21, echo),
            long_line + u" ヨミ " + ustring(ReviewKey::kMostRead, u'ア') + u"、イカ ショーリャク");
}

TEST(ReviewKey, ASelectionIsDescribedWhole) {
  ReviewKey key;
  EXPECT_EQ(key.Press(kText, 0, 2, 0), u"センタク ワリバシノ ハシ、ヒラガナ を");
  // A selection running past the text is taken up to its end.
  EXPECT_EQ(key.Press(kText, 9, 50, 1), u"センタク カタカナ カ、モジコード 1 エフ 600");
}

}  // namespace
}  // namespace orvo::readings
