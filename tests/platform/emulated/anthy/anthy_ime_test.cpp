// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anthy_fixture.h"

namespace orvo::emu::testing {
namespace {

bool Contains(const std::u16string& text, std::string_view part) {
  return U8(text).find(part) != std::string::npos;
}

// Real sentences: kanji come back, the clauses cover the composition, and
// Enter confirms what was shown with its half-width reading.
TEST_F(AnthyImeFixture, SentencesConvertAndConfirm) {
  struct Case {
    std::u16string_view keys;
    std::vector<std::string_view> kanji;  // each somewhere in the conversion
    std::string_view reading;
  };
  const Case cases[] = {
      {u"watashihanihongowokakimasu", {"私", "日本語", "書"}, "ﾜﾀｼﾊﾆﾎﾝｺﾞｦｶｷﾏｽ"},
      {u"kyouhaiitenkidesu.", {"今日", "天気", "。"}, "ｷｮｳﾊｲｲﾃﾝｷﾃﾞｽ｡"},
      {u"gakkouniikimasu", {"学校", "行"}, "ｶﾞｯｺｳﾆｲｷﾏｽ"},
      {u"toukyouekimade", {"東京", "駅"}, "ﾄｳｷｮｳｴｷﾏﾃﾞ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.keys));
    typed.clear();
    Play(ime, c.keys);
    const std::u16string reading = ime.CompositionReading();
    Play(ime, u"{Space}");
    ASSERT_TRUE(ime.Converting());
    const std::u16string shown = ime.CompositionString();
    for (std::string_view kanji : c.kanji) EXPECT_TRUE(Contains(shown, kanji)) << U8(shown);
    EXPECT_EQ(ClauseReadings(), reading);
    EXPECT_EQ(ime.FocusedClause(), 0);
    Play(ime, u"{Enter}");
    EXPECT_FALSE(ime.Composing());
    EXPECT_EQ(typed, shown);
    EXPECT_EQ(ime.ResultString(), shown);
    EXPECT_EQ(U8(ime.ResultReading()), c.reading);
  }
}

TEST_F(AnthyImeFixture, ArrowsMoveAmongClausesAndSpaceChangesOnlyTheFocusedOne) {
  Play(ime, u"watashihanihongowokakimasu{Space}");
  const auto start = ime.Clauses();
  ASSERT_GE(start.size(), 3u) << ClauseView(ime);
  Play(ime, u"{Right}");
  EXPECT_EQ(ime.FocusedClause(), 1);
  ASSERT_GE(start[1].candidates.size(), 2u);
  Play(ime, u"{Space}");
  auto now = ime.Clauses();
  EXPECT_EQ(now[0].text, start[0].text);
  EXPECT_EQ(now[1].text, start[1].candidates[1]);
  EXPECT_EQ(now[1].selected, 1);
  EXPECT_EQ(now[2].text, start[2].text);
  Play(ime, u"{Up}");
  EXPECT_EQ(ime.Clauses()[1].text, start[1].text);
  Play(ime, u"{End}");
  EXPECT_EQ(ime.FocusedClause(), static_cast<int>(start.size()) - 1);
  Play(ime, u"{Right}{Right}");
  EXPECT_EQ(ime.FocusedClause(), static_cast<int>(start.size()) - 1);
  Play(ime, u"{Home}{Left}");
  EXPECT_EQ(ime.FocusedClause(), 0);
}

TEST_F(AnthyImeFixture, CandidatesGoRoundAndBack) {
  Play(ime, u"kakimasu{Space}");
  const auto clause = ime.Clauses().at(0);
  const int count = static_cast<int>(clause.candidates.size());
  ASSERT_GE(count, 2);
  Play(ime, u"{Space}");
  EXPECT_EQ(ime.CompositionString(), clause.candidates[1]);
  for (int i = 1; i < count; ++i) Play(ime, u"{Space}");
  EXPECT_EQ(ime.CompositionString(), clause.candidates[0]);
  Play(ime, u"{S-Space}");
  EXPECT_EQ(ime.CompositionString(), clause.candidates[count - 1]);
}

TEST_F(AnthyImeFixture, ShiftArrowsResizeTheFocusedClause) {
  Play(ime, u"watashihanihongowokakimasu{Space}");
  const std::u16string whole = ime.CompositionReading();
  const int first = static_cast<int>(ime.Clauses().at(0).reading.size());
  ASSERT_GE(first, 2);
  Play(ime, u"{S-Left}");
  EXPECT_EQ(static_cast<int>(ime.Clauses()[0].reading.size()), first - 1) << ClauseView(ime);
  EXPECT_EQ(ClauseReadings(), whole);
  Play(ime, u"{S-Right}");
  EXPECT_EQ(static_cast<int>(ime.Clauses()[0].reading.size()), first) << ClauseView(ime);

  // Neither end can be passed: one kana at least, the whole composition at most.
  for (int i = 0; i < 40; ++i) Play(ime, u"{S-Left}");
  EXPECT_EQ(U8(ime.Clauses()[0].reading), "ﾜ") << ClauseView(ime);
  for (int i = 0; i < 40; ++i) Play(ime, u"{S-Right}");
  ASSERT_EQ(ime.Clauses().size(), 1u) << ClauseView(ime);
  EXPECT_EQ(ime.Clauses()[0].reading, whole);
  EXPECT_EQ(ClauseReadings(), whole);
}

// Ctrl+Down confirms the clauses up to the focused one; the rest stays in
// conversion and still resizes against the right segments.
TEST_F(AnthyImeFixture, PartialConfirmThenEnter) {
  Play(ime, u"watashihanihongowokakimasu{Space}");
  const auto clauses = ime.Clauses();
  ASSERT_GE(clauses.size(), 3u) << ClauseView(ime);
  Play(ime, u"{C-Down}");
  EXPECT_EQ(typed, clauses[0].text);
  EXPECT_EQ(ime.ResultString(), clauses[0].text);
  EXPECT_EQ(ime.ResultReading(), clauses[0].reading);
  ASSERT_TRUE(ime.Converting());
  EXPECT_EQ(ime.FocusedClause(), 0);
  EXPECT_EQ(ime.Clauses().size(), clauses.size() - 1);
  EXPECT_EQ(ime.Clauses()[0].text, clauses[1].text);

  const std::u16string rest_reading = ime.CompositionReading();
  Play(ime, u"{S-Left}");
  EXPECT_EQ(ime.Clauses()[0].reading.size(), clauses[1].reading.size() - 1) << ClauseView(ime);
  EXPECT_EQ(ClauseReadings(), rest_reading);
  Play(ime, u"{S-Right}");
  const std::u16string rest = ime.CompositionString();
  Play(ime, u"{Enter}");
  EXPECT_FALSE(ime.Composing());
  EXPECT_EQ(ime.ResultString(), rest);
  EXPECT_EQ(ime.ResultReading(), rest_reading);
  EXPECT_EQ(typed, clauses[0].text + rest);
  EXPECT_TRUE(Contains(typed, "日本語")) << U8(typed);
}

// Digits, letters and symbols typed among kana come back as typed.
TEST_F(AnthyImeFixture, TypedLiteralsStayAsTheyAre) {
  struct Case {
    std::u16string_view keys;
    std::string_view kept;
  };
  const Case cases[] = {
      {u"123kodesu", "１２３"},    {u"ABCdesu", "ＡＢＣ"},    {u"nihongo!?", "！？"},
      {u"watashi,genki.", "、"},   {u"watashi,genki.", "。"}, {u"#$%&", "＃＄％＆"},
      {u"tokyo-2020", "２０２０"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.keys));
    typed.clear();
    Play(ime, c.keys);
    const std::u16string reading = ime.CompositionReading();
    Play(ime, u"{Space}");
    ASSERT_TRUE(ime.Converting());
    EXPECT_TRUE(Contains(ime.CompositionString(), c.kept)) << ClauseView(ime);
    EXPECT_EQ(ClauseReadings(), reading);
    Play(ime, u"{Enter}");
    EXPECT_TRUE(Contains(typed, c.kept)) << U8(typed);
  }
}

// The composition in katakana and in half-width katakana converts as its kana.
TEST_F(AnthyImeFixture, OtherKanaModesConvertToo) {
  struct Case {
    int mode;
    std::u16string_view keys;
    std::string_view shown;
    std::string_view kanji;
  };
  const Case cases[] = {
      {5, u"gakkou", "ガッコウ", "学校"},
      {6, u"gakkou", "ｶﾞｯｺｳ", "学校"},
      {6, u"nihongo", "ﾆﾎﾝｺﾞ", "日本語"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.keys));
    ime.SetImeMode(c.mode);
    Play(ime, c.keys);
    EXPECT_EQ(U8(ime.CompositionString()), c.shown);
    const std::u16string reading = ime.CompositionReading();
    Play(ime, u"{Space}");
    EXPECT_TRUE(Contains(ime.CompositionString(), c.kanji)) << ClauseView(ime);
    EXPECT_EQ(ClauseReadings(), reading);
    Play(ime, u"{S-Left}{S-Right}{Esc}{Esc}");
    EXPECT_FALSE(ime.Composing());
  }
}

TEST_F(AnthyImeFixture, SpaceStormOnOneClause) {
  Play(ime, u"kakimasu{Space}");
  const auto clause = ime.Clauses().at(0);
  const int count = static_cast<int>(clause.candidates.size());
  for (int i = 0; i < 1000; ++i) ime.KeyDown(NameKey(u"Space"));
  ASSERT_TRUE(ime.Converting());
  EXPECT_EQ(ime.Clauses().at(0).selected, 1000 % count);
  const std::u16string shown = ime.CompositionString();
  EXPECT_EQ(shown, clause.candidates[1000 % count]);
  Play(ime, u"{Enter}");
  EXPECT_EQ(typed, shown);
  EXPECT_EQ(U8(ime.ResultReading()), "ｶｷﾏｽ");
}

TEST_F(AnthyImeFixture, NothingToConvertTypesASpace) {
  Play(ime, u"{Space}");
  EXPECT_FALSE(ime.Composing());
  EXPECT_EQ(U8(typed), "　");
  Play(ime, u"a{BS}{Space}");
  EXPECT_EQ(U8(typed), "　　");
}

}  // namespace
}  // namespace orvo::emu::testing
