// SPDX-License-Identifier: GPL-3.0-or-later
// Finding text: both directions, letter case by Unicode's mapping (full-width,
// accented, Greek, Cyrillic), and matches that never split a character.
#include "editing/text_search.h"

#include <gtest/gtest.h>

#include "editing/case_fold.h"

namespace orvo::editing {
namespace {

std::optional<int> Forward(ustring_view hay, ustring_view pat, bool match_case, int from = 0) {
  return FindForward({hay, pat, match_case}, from);
}

std::optional<int> Backward(ustring_view hay, ustring_view pat, bool match_case, int last) {
  return FindBackward({hay, pat, match_case}, last);
}

TEST(CaseFold, UpperCasesEveryScriptWithCasePositionForPosition) {
  EXPECT_EQ(UpperForSearch(u"abc ａｂｃ éà ωσ жя"), u"ABC ＡＢＣ ÉÀ ΩΣ ЖЯ");
  // ß has no one-character upper case: it stays, and nothing after it moves.
  const ustring text = u"straße x";
  EXPECT_EQ(UpperForSearch(text), u"STRAßE X");
  // A character beyond the first plane keeps its two units (Deseret 𐐨 → 𐐀).
  EXPECT_EQ(UpperForSearch(u"a\U00010428b"), u"A\U00010400B");
  // A lone surrogate is kept as it is.
  EXPECT_EQ(UpperForSearch(ustring(u"a\xD800") + u"b"), ustring(u"A\xD800") + u"B");
}

TEST(TextSearch, CaseOffFindsEveryCaseCaseOnSkipsThem) {
  EXPECT_EQ(Forward(u"xx ABC abc", u"abc", false), 3);
  EXPECT_EQ(Forward(u"xx ABC abc", u"abc", true), 7);
  EXPECT_EQ(Forward(u"ＡＢＣ", u"ａｂｃ", false), 0);
  EXPECT_EQ(Forward(u"ＡＢＣ", u"ａｂｃ", true), std::nullopt);
  EXPECT_EQ(Forward(u"ΚΑΛΗΜΕΡΑ Москва", u"москва", false), 9);
  // The match is where it is in the text, though ß stands before it.
  EXPECT_EQ(Forward(u"ßßß Straße", u"STRAßE", false), 4);
}

TEST(TextSearch, DirectionsStartWhereTheyAreTold) {
  const ustring text = u"ab ab ab";
  EXPECT_EQ(Forward(text, u"ab", true, 1), 3);
  EXPECT_EQ(Forward(text, u"ab", true, 7), std::nullopt);
  EXPECT_EQ(Backward(text, u"ab", true, 5), 3);
  EXPECT_EQ(Backward(text, u"ab", true, 2), 0);
  EXPECT_EQ(Backward(text, u"ab", true, -1), std::nullopt);  // from the very start
  EXPECT_EQ(Backward(u"ab", u"b", true, 1), 1);  // one character right before the caret
}

TEST(TextSearch, BadInputGivesNoMatchRatherThanAWrongOne) {
  EXPECT_EQ(Forward(u"abc", u"", true), std::nullopt);
  EXPECT_EQ(Backward(u"abc", u"", true, 2), std::nullopt);
  EXPECT_EQ(Forward(u"ab", u"abc", false), std::nullopt);  // longer than the text
  EXPECT_EQ(Backward(u"ab", u"abc", false, 1), std::nullopt);
  // Half of a CR LF pair or of a surrogate pair is not a match.
  EXPECT_EQ(Forward(u"a\r\nb", u"\nb", true), std::nullopt);
  EXPECT_EQ(Forward(u"a\r\nb\r\n", u"\r\n", true, 2), 4);
  EXPECT_EQ(Forward(u"𠮷𠮷", ustring(1, u"𠮷"[1]), true), std::nullopt);
  EXPECT_EQ(Backward(u"x𠮷", ustring(1, u"𠮷"[0]), true, 2), std::nullopt);
  EXPECT_EQ(Forward(u"a\r\nb", u"a\r\nb", true), 0);
  // A combining mark is a character of its own: é written e + U+0301 holds an e.
  EXPECT_EQ(Forward(u"cafe\u0301", u"e\u0301", true), 3);
}

TEST(TextSearch, SameTextFollowsTheCaseRule) {
  EXPECT_TRUE(SameText(u"ABC", u"abc", false));
  EXPECT_FALSE(SameText(u"ABC", u"abc", true));
  EXPECT_FALSE(SameText(u"ab", u"abc", false));
}

}  // namespace
}  // namespace orvo::editing
