// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the helper's lines: real replies give their parts; anything cut,
// unbalanced or foreign is no reply at all.
#include <gtest/gtest.h>

#include <string>

#include "platform/emulated/mozc/mozc_reading.h"
#include "platform/emulated/mozc/mozc_reply.h"
#include "platform/emulated/mozc/sexp.h"

namespace orvo::emu::mozc {
namespace {

// A conversion reply as mozc_emacs_helper 2.28 writes it, shortened.
constexpr std::string_view kConversion =
    R"(((emacs-event-id . 7)(emacs-session-id . 1)(output . ((id . "1460780695878487157"))"
    R"((mode . hiragana)(consumed . t)(preedit . ((cursor . 2)(segment ((annotation . highlight))"
    R"((value . "感じ")(value-length . 2)(key . "かんじ"))((annotation . underline)(value . "を"))"
    R"((value-length . 1)(key . "を")))(highlighted-position . 0)))(all-candidate-words . )"
    R"(((focused-index . 1)(candidates ((id . 0)(index . 0)(value . "感じ"))((id . 1)(index . 1))"
    R"((value . "漢字")(annotation . ((description . "[全] \"カ\\ナ\"")))))(category . conversion)))))))";

TEST(MozcReplyTest, AConversionReplyGivesSegmentsCandidatesAndSelection) {
  const auto reply = ParseReply(kConversion);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->event_id, 7);
  EXPECT_EQ(reply->session, "1");
  EXPECT_TRUE(reply->consumed);
  ASSERT_EQ(reply->preedit.size(), 2u);
  EXPECT_EQ(reply->preedit[0].key, "かんじ");
  EXPECT_EQ(reply->preedit[1].value_length, 1);
  EXPECT_EQ(reply->Highlighted(), 0);
  EXPECT_EQ(reply->candidates, (std::vector<std::string>{"感じ", "漢字"}));
  EXPECT_EQ(reply->selected, 1);
  EXPECT_FALSE(reply->has_result);
}

TEST(MozcReplyTest, SuggestionsWhileComposingAreNoCandidates) {
  const auto reply = ParseReply(
      R"(((emacs-event-id . 3)(emacs-session-id . 1)(output . ((consumed . t)(preedit . ((segment )"
      R"(((annotation . underline)(value . "か")(value-length . 1)(key . "か")))))(all-candidate-words . )"
      R"(((candidates ((index . 0)(value . "か")))(category . suggestion)))(result . ((type . string)(value . "x")))))))");
  ASSERT_TRUE(reply);
  EXPECT_FALSE(reply->Converting());
  EXPECT_EQ(reply->Highlighted(), -1);
  EXPECT_TRUE(reply->has_result);
  EXPECT_EQ(reply->result, "x");
}

TEST(MozcReplyTest, WhatIsNotAReplyIsRefused) {
  const std::string_view lines[] = {
      "", "garbage", "((emacs-event-id . 1)", "((emacs-event-id . 1)(output . ())))",
      "((emacs-event-id . x)(output . ()))", "((output . ()))", "((emacs-event-id . 1)(output . \"a))",
      "((a . b . c))", "(. a)", R"(((emacs-event-id . 1)(output . ("\)))",
  };
  for (std::string_view line : lines) EXPECT_FALSE(ParseReply(line)) << line;
  // The helper's own refusal is a reply that says so.
  const auto refused = ParseReply(R"(((error . wrong-type-argument)(message . "Unknown function")))");
  ASSERT_TRUE(refused);
  EXPECT_TRUE(refused->error);
  // Nesting far past any reply's is not followed.
  EXPECT_FALSE(ParseSexp(std::string(100000, '(') + std::string(100000, ')')));
}

TEST(MozcReplyTest, StringsGoOutEscapedAndComeBackWhole) {
  const std::string text = "a\"b\\c\nd\te";
  const auto back = ParseSexp(QuoteSexp(text));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->text, text);
  EXPECT_EQ(QuoteSexp(text).find('\n'), std::string::npos);  // one request, one line
}

// The form sent and the reading's own units: half-width kana count as one
// character of mozc's, katakana go as hiragana, ヴ as ゔ.
TEST(MozcReadingTest, CharactersSentAndTheReadingUnitsTheyStandFor) {
  MozcReading reading;
  ASSERT_TRUE(reading.Assign(u"ｶﾞｯｺｳヴァ１😀ヶ"));
  EXPECT_EQ(ToUtf8(reading.SentText(0, reading.Length())), "がっこうゔぁ１😀ヶ");
  EXPECT_EQ(reading.Length(), 9);
  EXPECT_EQ(reading.UnitsBefore(1), 2);   // ｶﾞ
  EXPECT_EQ(reading.UnitsBefore(8), 10);  // past the surrogate pair
  EXPECT_EQ(reading.UnitsBefore(99), 11);
  EXPECT_EQ(ToUtf8(reading.ReadingText(0, 2)), "ｶﾞｯ");
  for (std::u16string_view bad : {std::u16string_view(u"あ\0い", 3), std::u16string_view(u"あ\nい"),
                                  std::u16string_view(u"\xD800あ")}) {
    EXPECT_FALSE(reading.Assign(bad));
    EXPECT_EQ(reading.Length(), 0);
  }
}

}  // namespace
}  // namespace orvo::emu::mozc
