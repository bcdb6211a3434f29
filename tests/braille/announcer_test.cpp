// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader user is told: decided from the change between two
// states of braille input, never from a redraw.
#include "braille/announcer.h"

#include <gtest/gtest.h>

#include <vector>

#include "readings/describer.h"

namespace orvo::braille {
namespace {

using Lines = std::vector<ustring>;

// A converted text as said: itself, then its description.
ustring WithDescription(const ustring& text) {
  ustring said = text;
  said += u' ';
  said += readings::Describe(text);
  return said;
}

TEST(SpokenDots, NamesTheRaisedDotsInOrder) {
  EXPECT_EQ(SpokenDots(u'A'), u"テン 1");
  EXPECT_EQ(SpokenDots(u'B'), u"テン 1 2");
  EXPECT_EQ(SpokenDots(u'#'), u"テン 3 4 5 6");  // the number sign
  EXPECT_EQ(SpokenDots(u'='), u"テン 1 2 3 4 5 6");
  EXPECT_EQ(SpokenDots(u','), u"テン 6");          // the capital sign
  EXPECT_EQ(SpokenDots(u' '), u"マスアケ");
}

TEST(SpokenDots, TheCellDisplayIsNamedByEachCellsDots) {
  EXPECT_EQ(SpokenCells(u""), u"");
  EXPECT_EQ(SpokenCells(u"B"), u"テン 1 2");
  EXPECT_EQ(SpokenCells(u"\"*"), u"テン 5、テン 1 6");  // a prefix and its partner
  EXPECT_EQ(SpokenCells(u"&"), u"テン 1 2 3 4 6");
}

TEST(Announcer, SaysWhatChangedAndNothingElse) {
  HeardState s;
  s.mode = u"ひらがな";
  struct Step {
    const char* what;
    void (*change)(HeardState&);
    Lines said;
  };
  const ustring moth = WithDescription(u"蛾１"), me = WithDescription(u"我１");
  // clang-format off
  const Step steps[] = {
      {"nothing changed", [](HeardState&) {}, {}},
      {"braille on", [](HeardState& h) { h.braille_mode = true; }, {u"テンジ ニューリョク モード ヒラガナ"}},
      {"a prefix cell waits", [](HeardState& h) { h.cells = u"\""; }, {u"テン 5"}},
      {"its partner completes が", [](HeardState& h) { h.cells = u"\"*"; h.composition = u"が"; },
       {u"テン 1 6", u"が"}},
      {"the number sign", [](HeardState& h) { h.cells = u"#"; h.mode = u"数字"; }, {u"テン 3 4 5 6", u"スージ"}},
      {"a digit", [](HeardState& h) { h.cells = u"A"; h.composition = u"が１"; }, {u"テン 1", u"１"}},
      {"the same cell again", [](HeardState& h) { h.composition = u"が１１"; }, {u"１"}},
      {"Backspace", [](HeardState& h) { h.composition = u"が１"; }, {u"１"}},
      {"Space converts", [](HeardState& h) { h.converting = true; h.composition = u"蛾１"; }, {moth}},
      {"the next candidate", [](HeardState& h) { h.composition = u"我１"; }, {me}},
      {"N confirms", [](HeardState& h) {
         h.converting = false; h.composition.clear(); h.result = u"我１"; h.text_revision = 1; h.cells.clear(); },
       {u"カクテイ " + me}},
      {"the mode goes back to kana", [](HeardState& h) { h.mode = u"ひらがな"; }, {u"ヒラガナ"}},
      {"braille off", [](HeardState& h) { h.braille_mode = false; h.mode.clear(); }, {u"ローマジ ニューリョク モード"}},
      {"romaji mode hears no mode", [](HeardState& h) { h.mode = u"数字"; }, {}},
      // Typed romaji: a letter waits as itself, and the kana it makes replace it.
      {"a romaji letter", [](HeardState& h) { h.composition = u"ｎ"; }, {u"ｎ"}},
      {"its kana", [](HeardState& h) { h.composition = u"に"; }, {u"に"}},
      {"the next letter", [](HeardState& h) { h.composition = u"にｈ"; }, {u"ｈ"}},
      {"only the new kana", [](HeardState& h) { h.composition = u"にほ"; }, {u"ほ"}},
      {"Backspace in romaji", [](HeardState& h) { h.composition = u"に"; }, {u"ほ"}},
      {"Enter confirms", [](HeardState& h) {
         h.composition.clear(); h.result = u"に"; h.text_revision = 2; }, {u"カクテイ に"}},
  };
  // clang-format on
  Announcer announcer;
  EXPECT_TRUE(announcer.Hear(s).empty());  // the first state is where we start
  for (const Step& step : steps) {
    step.change(s);
    EXPECT_EQ(announcer.Hear(s), step.said) << step.what;
  }
}

TEST(Announcer, ConfirmingTheSameTextTwiceIsSaidTwice) {
  HeardState s;
  s.braille_mode = true;
  Announcer announcer;
  announcer.Hear(s);
  for (std::uint64_t revision = 1; revision <= 2; ++revision) {
    s.composition = u"か";
    announcer.Hear(s);
    s.composition.clear();
    s.result = u"か";
    s.text_revision = revision;
    EXPECT_EQ(announcer.Hear(s), Lines{u"カクテイ か"}) << revision;
  }
}

TEST(Announcer, EachCandidateIsSaidWithItsDescriptionSoHomophonesSoundApart) {
  HeardState s;
  s.braille_mode = true;
  Announcer announcer;
  announcer.Hear(s);
  s.composition = u"はし";
  announcer.Hear(s);
  s.converting = true;
  std::vector<ustring> heard;
  int number = 0;
  for (const char16_t* candidate : {u"橋", u"箸", u"端"}) {
    s.composition = candidate;
    s.candidate = ++number;
    const Lines said = announcer.Hear(s);
    ASSERT_EQ(said.size(), 1u);
    // The candidate, what it is made of, then its number in the list.
    EXPECT_EQ(said[0], WithDescription(candidate) + u' ' + static_cast<char16_t>(u'0' + number));
    heard.push_back(said[0]);
  }
  EXPECT_NE(heard[0], heard[1]);
  EXPECT_NE(heard[1], heard[2]);
  // Two candidates that look the same (an engine's duplicates, a clause whose
  // candidate is its reading) are still heard as the move they are.
  s.candidate = 4;
  EXPECT_EQ(announcer.Hear(s), Lines{WithDescription(u"端") + u" 4"});
  s.converting = false;
  s.composition.clear();
  s.result = u"箸";
  s.text_revision = 1;
  EXPECT_EQ(announcer.Hear(s), Lines{u"カクテイ 箸 ワリバシノ ハシ"});
}

}  // namespace
}  // namespace orvo::braille
