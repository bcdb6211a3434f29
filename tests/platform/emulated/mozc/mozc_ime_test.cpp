// SPDX-License-Identifier: GPL-3.0-or-later
// The IME converting with the real mozc, and the same scenarios with anthy:
// where the engines' candidates differ, the expectation names its engine.
#include <gtest/gtest.h>

#include <string>

#include "mozc_fixture.h"
#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/emulated/ime/ime_emulator.h"
#include "platform/emulated/ime/ime_script.h"
#include "support/temp_folder.h"

namespace orvo::emu::testing {
namespace {

enum class Engine { kMozc, kAnthy };

std::string EngineName(const ::testing::TestParamInfo<Engine>& info) {
  return info.param == Engine::kMozc ? "Mozc" : "Anthy";
}

struct ConversionScenario : ::testing::TestWithParam<Engine> {
  void SetUp() override {
    if (GetParam() == Engine::kMozc) {
      SKIP_WITHOUT_MOZC();
      engine = RealMozc();
    } else {
      std::string error;
      engine = MakeAnthyEngine({folder.Path() + "/anthy", false, ""}, &error);
      ASSERT_NE(engine, nullptr) << error;
    }
    ASSERT_NE(engine, nullptr);
    ime = std::make_unique<ImeEmulator>(engine.get());
    ime->SetImeMode(4);
    ime->SetCommitSink([this](const ustring& text) { typed += text; });
  }

  std::u16string ClauseReadings() const {
    std::u16string out;
    for (const auto& clause : ime->Clauses()) out += clause.reading;
    return out;
  }
  bool Mozc() const { return GetParam() == Engine::kMozc; }

  test_support::TempFolder folder;
  std::unique_ptr<ConversionEngine> engine;
  std::unique_ptr<ImeEmulator> ime;
  std::u16string typed;
};

TEST_P(ConversionScenario, TwoClausesConvertAndConfirmWhatWasShown) {
  Play(*ime, u"watashihanihongowokakimasu");
  const std::u16string reading = ime->CompositionReading();
  Play(*ime, u"{Space}");
  ASSERT_TRUE(ime->Converting());
  EXPECT_GE(ime->Clauses().size(), 2u);
  EXPECT_EQ(ClauseReadings(), reading);
  const std::u16string shown = ime->CompositionString();
  EXPECT_EQ(U8(shown), "私は日本語を書きます");
  Play(*ime, u"{Enter}");
  EXPECT_EQ(typed, shown);
  EXPECT_EQ(ime->ResultReading(), reading);
  EXPECT_FALSE(ime->Composing());
}

TEST_P(ConversionScenario, ArrowsMoveAmongClausesAndCandidatesChangeOnlyTheFocusedOne) {
  Play(*ime, u"watashihanihongowokakimasu{Space}");
  const auto start = ime->Clauses();
  ASSERT_GE(start.size(), 2u);
  Play(*ime, u"{Right}");
  EXPECT_EQ(ime->FocusedClause(), 1);
  // A focused clause has all its candidates (mozc gives them when it is focused).
  const auto second = ime->Clauses()[1];
  EXPECT_EQ(second.text, start[1].text);
  ASSERT_GE(second.candidates.size(), 2u);
  Play(*ime, u"{Space}");
  const auto now = ime->Clauses();
  EXPECT_EQ(now[0].text, start[0].text);
  EXPECT_EQ(now[1].text, second.candidates[1]);
  Play(*ime, u"{Left}");
  EXPECT_EQ(ime->FocusedClause(), 0);
}

TEST_P(ConversionScenario, ResizingAClauseAnalysesTheRestAnew) {
  Play(*ime, u"kyouhaiitenkidesune");
  const std::u16string reading = ime->CompositionReading();
  Play(*ime, u"{Space}");
  const std::u16string first = ime->Clauses().at(0).reading;
  ASSERT_GE(first.size(), 2u);
  Play(*ime, u"{S-Left}");
  ASSERT_TRUE(ime->Converting());
  EXPECT_EQ(ime->Clauses().at(0).reading, first.substr(0, first.size() - 1));
  EXPECT_EQ(ClauseReadings(), reading);
  Play(*ime, u"{S-Right}");
  EXPECT_EQ(ime->Clauses().at(0).reading, first);
  EXPECT_EQ(ClauseReadings(), reading);
  Play(*ime, u"{Enter}");
  EXPECT_EQ(ime->ResultReading(), reading);
}

TEST_P(ConversionScenario, CandidatesPastTheFirstPageAreReachedAndConfirmed) {
  Play(*ime, u"kanji{Space}");
  const auto clause = ime->Clauses().at(0);
  ASSERT_GE(clause.candidates.size(), 12u);
  for (int i = 0; i < 11; ++i) Play(*ime, u"{Space}");
  EXPECT_EQ(ime->Clauses().at(0).selected, 11);
  Play(*ime, u"{Enter}");
  EXPECT_EQ(typed, clause.candidates[11]);
}

// Ctrl+Down confirms the clauses up to the focused one; the rest stay
// converted and can still be resized, then confirmed, and a new reading after
// them converts from a clean start.
TEST_P(ConversionScenario, ConfirmingTheFirstClausesOnly) {
  Play(*ime, u"watashihanihongowokakimasu");
  const std::u16string reading = ime->CompositionReading();
  Play(*ime, u"{Space}");
  const auto start = ime->Clauses();
  ASSERT_GE(start.size(), 3u);
  Play(*ime, u"{C-Down}");
  EXPECT_EQ(typed, start[0].text);
  ASSERT_TRUE(ime->Converting());
  ASSERT_EQ(ime->Clauses().size(), start.size() - 1);
  const std::u16string rest = ime->Clauses().at(0).reading;
  ASSERT_GE(rest.size(), 2u);
  Play(*ime, u"{S-Left}");
  EXPECT_EQ(ime->Clauses().at(0).reading, rest.substr(0, rest.size() - 1));
  Play(*ime, u"{Enter}");
  EXPECT_EQ(ime->ResultReading(), reading.substr(start[0].reading.size()));
  EXPECT_FALSE(ime->Composing());
  typed.clear();
  Play(*ime, u"kanji{Space}{Enter}");
  EXPECT_FALSE(typed.empty());
  EXPECT_EQ(U8(ime->ResultReading()), "ｶﾝｼﾞ");
}

// mozc learns a confirmed choice as the desktop's IME does; anthy here does not learn.
TEST_P(ConversionScenario, ConfirmingALaterCandidate) {
  Play(*ime, u"kanji{Space}");
  const auto clause = ime->Clauses().at(0);
  ASSERT_GE(clause.candidates.size(), 3u);
  Play(*ime, u"{Space}{Space}{Enter}");
  EXPECT_EQ(typed, clause.candidates[2]);
  Play(*ime, u"kanji{Space}");
  EXPECT_EQ(ime->CompositionString(), Mozc() ? clause.candidates[2] : clause.candidates[0]);
  Play(*ime, u"{Esc}{Esc}");
}

TEST_P(ConversionScenario, CancellingKeepsTheReadingAndTeachesNothing) {
  Play(*ime, u"kanji{Space}");
  const std::u16string first = ime->CompositionString();
  Play(*ime, u"{Space}{Space}{Esc}");
  EXPECT_FALSE(ime->Converting());
  EXPECT_EQ(U8(ime->CompositionString()), "かんじ");
  Play(*ime, u"{Enter}");
  EXPECT_EQ(U8(typed), "かんじ");
  typed.clear();
  Play(*ime, u"kanji{Space}{Enter}");
  EXPECT_EQ(typed, first);
}

// Digits, letters and symbols stay as typed in the first candidate; ゔ, a
// long reading and half-width readings are covered exactly.
TEST_P(ConversionScenario, ReadingsWithLiteralsAndLongOnes) {
  const std::u16string_view cases[] = {
      u"123konoABCdesu!", u"vaiorinn", u"ka-do#",
  };
  for (std::u16string_view keys : cases) {
    SCOPED_TRACE(U8(keys));
    typed.clear();
    Play(*ime, keys);
    const std::u16string reading = ime->CompositionReading();
    const std::u16string composed = ime->CompositionString();
    Play(*ime, u"{Space}");
    ASSERT_TRUE(ime->Converting());
    EXPECT_EQ(ClauseReadings(), reading);
    Play(*ime, u"{Enter}");
    for (char16_t ch : composed) {
      if (ch >= u'！' && ch <= u'～') {
        EXPECT_NE(typed.find(ch), std::u16string::npos) << U8(typed);
      }
    }
  }
  std::u16string long_keys;
  for (int i = 0; i < 40; ++i) long_keys += u"kakikukeko";
  Play(*ime, long_keys);
  const std::u16string reading = ime->CompositionReading();
  ASSERT_EQ(ime->CompositionString().size(), 200u);
  Play(*ime, u"{Space}");
  ASSERT_TRUE(ime->Converting());
  EXPECT_EQ(ClauseReadings(), reading);
  Play(*ime, u"{Esc}{Esc}");
}

// Without learning (as the tests' editors run), what is confirmed is typed
// but not confirmed in mozc, which learns nothing from it.
TEST(MozcLearningTest, WithoutLearningMozcIsNotTaught) {
  SKIP_WITHOUT_MOZC();
  mozc::MozcOptions options;
  options.learning = false;
  std::string error;
  std::unique_ptr<ConversionEngine> engine = mozc::MakeMozcEngine(options, &error);
  ASSERT_NE(engine, nullptr) << error;
  ImeEmulator ime(engine.get());
  ime.SetImeMode(4);
  std::u16string typed;
  ime.SetCommitSink([&](const ustring& text) { typed += text; });
  Play(ime, u"kikou{Space}");
  const auto candidates = ime.Clauses().at(0).candidates;
  ASSERT_GE(candidates.size(), 3u);
  Play(ime, u"{Space}{Space}{Enter}");
  EXPECT_EQ(typed, candidates[2]);
  Play(ime, u"kikou{Space}");
  EXPECT_EQ(ime.CompositionString(), candidates[0]);
}

INSTANTIATE_TEST_SUITE_P(Engines, ConversionScenario, ::testing::Values(Engine::kMozc, Engine::kAnthy),
                         EngineName);

}  // namespace
}  // namespace orvo::emu::testing
