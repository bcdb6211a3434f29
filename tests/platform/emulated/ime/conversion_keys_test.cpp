// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "ime_script.h"
#include "platform/emulated/ime/simple_engine.h"

namespace orvo::emu {
namespace {

using testing::ImeFixture;
using testing::Play;
using testing::U8;

// The clauses as "か|[な]": texts in order, the focused one in brackets.
std::string ClauseView(const ImeEmulator& ime) {
  std::u16string view;
  const auto clauses = ime.Clauses();
  for (int i = 0; i < static_cast<int>(clauses.size()); ++i) {
    if (i > 0) view += u'|';
    view += i == ime.FocusedClause() ? u"[" + clauses[i].text + u"]" : clauses[i].text;
  }
  return U8(view);
}

struct Scene {
  std::u16string_view keys;
  std::string_view clauses;
  std::string_view confirmed;
  std::string_view result_reading;
};

// clang-format off
constexpr Scene kScenes[] = {
    // Space converts and then walks the candidates, round and round.
    {u"kana{Space}",                         "[かな]",   "",     ""},
    {u"kan{Space}",                          "[かん]",   "",     ""},
    {u"kana{Space}{Space}",                  "[カナ]",   "",     ""},
    {u"kana{Space}{Space}{Space}",           "[かな]",   "",     ""},
    {u"kana{Space}{Down}",                   "[カナ]",   "",     ""},
    {u"kana{Space}{Up}",                     "[カナ]",   "",     ""},
    {u"kana{Space}{Tab}",                    "[カナ]",   "",     ""},
    // Clauses: move, shrink, extend; neither end can be passed.
    {u"kana{Space}{S-Left}",                 "[か]|な",  "",     ""},
    {u"kana{Space}{S-Left}{S-Left}",         "[か]|な",  "",     ""},
    {u"kana{Space}{S-Right}",                "[かな]",   "",     ""},
    {u"kana{Space}{S-Left}{Right}{Right}",   "か|[な]",  "",     ""},
    {u"kana{Space}{S-Left}{Left}{Left}",     "[か]|な",  "",     ""},
    {u"kana{Space}{S-Left}{Right}{Space}",   "か|[ナ]",  "",     ""},
    {u"kanata{Space}{S-Left}{S-Left}{Right}{S-Left}", "か|[な]|た", "", ""},
    {u"kanata{Space}{S-Left}{S-Left}{Right}{S-Left}{Home}", "[か]|な|た", "", ""},
    {u"kanata{Space}{S-Left}{S-Left}{Right}{S-Left}{C-Left}{End}", "か|な|[た]", "", ""},
    {u"kana{Space}{S-Left}{Space}{S-Right}", "[かな]",   "",     ""},
    {u"kana{Space}{S-Left}{Right}{S-Right}", "か|[な]",  "",     ""},
    // Confirming: the focused clause and those before it, or everything.
    {u"kana{Space}{S-Left}{C-Down}",         "[な]",     "か",   "ｶ"},
    {u"kanata{Space}{S-Left}{S-Left}{Right}{S-Left}{C-Down}", "[た]", "かな", "ｶﾅ"},
    {u"kana{Space}{S-Left}{C-Down}{Enter}",  "",         "かな", "ﾅ"},
    {u"kana{Space}{S-Left}{C-Down}{C-Down}", "",         "かな", "ﾅ"},
    {u"gakkou{Space}{Space}{Enter}",         "",         "ガッコウ", "ｶﾞｯｺｳ"},
    {u"kana{Space}{C-Enter}",                "",         "かな", "ｶﾅ"},
    {u"ka{Space}{Space}ki",                  "",         "カ",   "ｶ"},
    // Back to the reading.
    {u"kana{Space}{BS}",                     "",         "",     ""},
    {u"kana{Space}{Esc}{Esc}",               "",         "",     ""},
    {u"kana{Space}{S-Left}{C-Down}{Esc}{Enter}", "",     "かな", "ﾅ"},
    // F6-F10: the whole reading from the composition, one clause in conversion.
    {u"gakkou{F7}",                          "[ガッコウ]", "",   ""},
    {u"gakkou{F8}",                          "[ｶﾞｯｺｳ]", "",     ""},
    {u"gakkou{F9}",                          "[ｇａｋｋｏｕ]", "", ""},
    {u"gakkou{F10}",                         "[gakkou]", "",     ""},
    {u"gakkou{F7}{F6}",                      "[がっこう]", "",   ""},
    {u"shinbun{F9}",                         "[ｓｈｉｎｂｕｎ]", "", ""},
    {u"Tokyo-{F9}",                          "[Ｔｏｋｙｏ－]", "", ""},
    {u"kya{BS}{F9}",                         "[ｋｉ]",   "",     ""},
    {u"kana{F7}{Enter}",                     "",         "カナ", "ｶﾅ"},
    {u"kana{F7}{Space}",                     "[かな]",   "",     ""},
    {u"kana{F7}{BS}a",                       "",         "",     ""},
    {u"kana{Space}{S-Left}{F7}",             "[カ]|な",  "",     ""},
    {u"kana{Space}{S-Left}{Right}{F9}{Enter}", "",       "かｎａ", "ｶﾅ"},
    {u"kana{Space}{F8}{Space}",              "[カナ]",   "",     ""},
};
// clang-format on

TEST_F(ImeFixture, ConversionKeys) {
  for (const Scene& scene : kScenes) {
    SCOPED_TRACE(U8(scene.keys));
    typed.clear();
    const ustring before = ime.ResultReading();
    Play(ime, scene.keys);
    EXPECT_EQ(ClauseView(ime), scene.clauses);
    EXPECT_EQ(ime.Converting(), !scene.clauses.empty());
    EXPECT_EQ(U8(typed), scene.confirmed);
    const std::string expected_reading =
        scene.confirmed.empty() ? U8(before) : std::string(scene.result_reading);
    EXPECT_EQ(U8(ime.ResultReading()), expected_reading);
    Play(ime, u"{Esc}{Esc}");
  }
}

TEST_F(ImeFixture, ConversionShowsClausesWithTheirReadings) {
  Play(ime, u"gakkou{Space}{S-Left}{S-Left}");
  EXPECT_EQ(U8(ime.CompositionString()), "がっこう");
  EXPECT_EQ(U8(ime.CompositionReading()), "ｶﾞｯｺｳ");
  const auto clauses = ime.Clauses();
  ASSERT_EQ(clauses.size(), 2u);
  EXPECT_EQ(U8(clauses[0].reading), "ｶﾞｯ");
  EXPECT_EQ(U8(clauses[1].reading), "ｺｳ");
  ASSERT_EQ(clauses[0].candidates.size(), 2u);
  EXPECT_EQ(U8(clauses[0].candidates[1]), "ガッ");
  Play(ime, u"{F8}");
  EXPECT_EQ(ime.Clauses()[0].selected, -1);
  EXPECT_EQ(U8(ime.CompositionString()), "ｶﾞｯこう");
  EXPECT_EQ(ime.CaretInComposition(), 5);
  Play(ime, u"{BS}");  // back to the reading, caret at its end
  EXPECT_EQ(U8(ime.CompositionString()), "がっこう");
  EXPECT_EQ(ime.CaretInComposition(), 4);
  EXPECT_EQ(ime.FocusedClause(), -1);
}

// Partial confirmation keeps talking to the engine about the right segments.
TEST(Conversion, EngineSegmentsFollowPartialConfirmation) {
  SimpleEngine engine;
  ImeEmulator ime(&engine);
  ime.SetImeMode(4);
  Play(ime, u"kanata{Space}{S-Left}{S-Left}{C-Down}");
  EXPECT_EQ(ClauseView(ime), "[なた]");
  ASSERT_EQ(engine.Committed().size(), 1u);
  Play(ime, u"{S-Left}{Right}{Space}");
  EXPECT_EQ(ClauseView(ime), "な|[タ]");
  EXPECT_EQ(U8(ime.CompositionReading()), "ﾅﾀ");
  Play(ime, u"{Enter}");
  ASSERT_EQ(engine.Committed().size(), 3u);
  EXPECT_EQ(U8(engine.Committed()[2]), "タ");
}

// An engine that answers whatever it is told to, right or wrong.
class FakeEngine : public ConversionEngine {
 public:
  bool accept = true;
  std::vector<SegmentStat> initial;
  std::vector<SegmentStat> after_resize;
  std::vector<SegmentStat> segments;

  bool SetString(ustring_view) override {
    segments = initial;
    return accept;
  }
  int SegmentCount() const override { return static_cast<int>(segments.size()); }
  SegmentStat GetSegmentStat(int segment) const override {
    return segment >= 0 && segment < SegmentCount() ? segments[segment] : SegmentStat{};
  }
  ustring GetSegment(int segment, int candidate) const override {
    if (candidate < 0 || candidate >= GetSegmentStat(segment).candidates) return {};
    // Appended, not prepended: GCC 12 at -O3 warns falsely (-Wrestrict) on a literal + string.
    ustring text = u"候";
    text += static_cast<char16_t>(u'0' + candidate);
    return text;
  }
  void ResizeSegment(int, int) override { segments = after_resize; }
  void CommitSegment(int, int) override {}
};

TEST(Conversion, EngineFailuresShowTheReading) {
  struct Case {
    const char* name;
    bool accept;
    std::vector<SegmentStat> segments;
    std::string_view clauses;
  };
  const Case cases[] = {
      {"refuses", false, {{2, 3}}, "[かなた]"},
      {"no segments", true, {}, "[かなた]"},
      {"too long", true, {{2, 4}}, "[かなた]"},
      {"too short", true, {{2, 2}}, "[かなた]"},
      {"empty segment", true, {{2, 0}, {2, 3}}, "[かなた]"},
      {"no candidates", true, {{0, 1}, {1, 2}}, "[か]|候0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeEngine engine;
    engine.accept = c.accept;
    engine.initial = c.segments;
    ImeEmulator ime(&engine);
    ime.SetImeMode(4);
    ustring typed;
    ime.SetCommitSink([&typed](const ustring& text) { typed += text; });
    Play(ime, u"kanata{Space}");
    EXPECT_EQ(ClauseView(ime), c.clauses);
    for (int i = 0; i < 50; ++i) Play(ime, u"{Space}{S-Left}{S-Right}{Right}{Up}");
    Play(ime, u"{Enter}");
    EXPECT_FALSE(ime.Composing());
    EXPECT_FALSE(typed.empty());
  }
}

TEST(Conversion, ResizeTheEngineGetsWrongFallsBackToTheReading) {
  FakeEngine engine;
  engine.initial = {{2, 1}, {2, 2}};
  engine.after_resize = {{2, 1}, {2, 5}};
  ImeEmulator ime(&engine);
  ime.SetImeMode(4);
  Play(ime, u"kanata{Space}");
  EXPECT_EQ(ClauseView(ime), "[候0]|候0");
  Play(ime, u"{Right}{S-Left}");
  EXPECT_EQ(ClauseView(ime), "候0|[なた]");
  Play(ime, u"{Left}{Space}");  // the engine is asked again from the start
  EXPECT_EQ(ClauseView(ime), "[候0]|候0");
}

TEST_F(ImeFixture, SpaceStormEndsWhereItShould) {
  Play(ime, u"kana{Space}");
  for (int i = 0; i < 1001; ++i) ime.KeyDown(testing::NameKey(u"Space"));
  EXPECT_EQ(ClauseView(ime), "[カナ]");
  Play(ime, u"{Enter}{Space}{Space}");
  EXPECT_EQ(U8(typed), "カナ　　");
  EXPECT_FALSE(ime.Composing());
}

}  // namespace
}  // namespace orvo::emu
