// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/romaji_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ime_script.h"
#include "platform/emulated/ime/kana_forms.h"
#include "platform/emulated/ime/romaji_composer.h"

namespace orvo::emu {
namespace {

using testing::ImeFixture;
using testing::Play;
using testing::U8;

std::vector<std::u16string_view> Words(std::u16string_view text) {
  std::vector<std::u16string_view> words;
  while (!text.empty()) {
    const auto space = text.find(u' ');
    if (space != 0) words.push_back(text.substr(0, space));
    if (space == std::u16string_view::npos) break;
    text.remove_prefix(space + 1);
  }
  return words;
}

TEST(RomajiTable, RowsAreWellFormed) {
  std::set<ustring_view> inputs;
  for (const RomajiRule& rule : RomajiTable()) {
    SCOPED_TRACE(U8(rule.input));
    EXPECT_TRUE(inputs.insert(rule.input).second) << "duplicate input";
    EXPECT_FALSE(rule.output.empty());
    EXPECT_LT(rule.pending.size(), rule.input.size());
    EXPECT_TRUE(rule.input.ends_with(rule.pending));
    for (char16_t ch : rule.input) EXPECT_FALSE(ch >= u'A' && ch <= u'Z');
  }
}

// Every row, typed and confirmed: what it leaves pending is confirmed as the
// full-width letter it is.
TEST_F(ImeFixture, EveryRowComposes) {
  for (const RomajiRule& rule : RomajiTable()) {
    SCOPED_TRACE(U8(rule.input));
    typed.clear();
    Play(ime, ustring(rule.input) + u"{Enter}");
    EXPECT_EQ(U8(typed), U8(ustring(rule.output) + ToFullWidthAscii(rule.pending)));
    EXPECT_FALSE(ime.Composing());
  }
}

// Spellings the braille input types and common alternatives, written out
// independently of the table: each input word gives the output word beside it.
struct Spelling {
  std::u16string_view inputs;
  std::u16string_view outputs;
};

// clang-format off
constexpr Spelling kSpellings[] = {
    {u"a i u e o", u"あ い う え お"},
    {u"ka ki ku ke ko sa si su se so", u"か き く け こ さ し す せ そ"},
    {u"ta ti tu te to na ni nu ne no", u"た ち つ て と な に ぬ ね の"},
    {u"ha hi hu he ho ma mi mu me mo", u"は ひ ふ へ ほ ま み む め も"},
    {u"ya yu yo ra ri ru re ro wa wo nn", u"や ゆ よ ら り る れ ろ わ を ん"},
    {u"ga gi gu ge go za zi zu ze zo", u"が ぎ ぐ げ ご ざ じ ず ぜ ぞ"},
    {u"da di du de do ba bi bu be bo", u"だ ぢ づ で ど ば び ぶ べ ぼ"},
    {u"pa pi pu pe po vu", u"ぱ ぴ ぷ ぺ ぽ ゔ"},
    {u"shi chi tsu fu ji", u"し ち つ ふ じ"},
    {u"kya kyi kyu kye kyo gya gyu gyo", u"きゃ きぃ きゅ きぇ きょ ぎゃ ぎゅ ぎょ"},
    {u"sya syu syo sha shu she sho", u"しゃ しゅ しょ しゃ しゅ しぇ しょ"},
    {u"zya zyu zyo ja ju jo jya jyu jyo", u"じゃ じゅ じょ じゃ じゅ じょ じゃ じゅ じょ"},
    {u"tya tyu tyo cha chu cho cya cyu cyo", u"ちゃ ちゅ ちょ ちゃ ちゅ ちょ ちゃ ちゅ ちょ"},
    {u"dya dyi dyu dye dyo", u"ぢゃ ぢぃ ぢゅ ぢぇ ぢょ"},
    {u"nya nyu nyo hya hyu hyo mya myu myo", u"にゃ にゅ にょ ひゃ ひゅ ひょ みゃ みゅ みょ"},
    {u"rya ryu ryo bya byu byo pya pyu pyo", u"りゃ りゅ りょ びゃ びゅ びょ ぴゃ ぴゅ ぴょ"},
    {u"xa xi xu xe xo la li lu le lo", u"ぁ ぃ ぅ ぇ ぉ ぁ ぃ ぅ ぇ ぉ"},
    {u"xya xyu xyo lya lyu lyo xwa xka xke", u"ゃ ゅ ょ ゃ ゅ ょ ゎ ヵ ヶ"},
    {u"xtu ltu xtsu ltsu", u"っ っ っ っ"},
    {u"va vi ve vo vya vyu vyo", u"ゔぁ ゔぃ ゔぇ ゔぉ ゔゃ ゔゅ ゔょ"},
    {u"fa fi fe fo fwa fwi fwu fwe fwo", u"ふぁ ふぃ ふぇ ふぉ ふぁ ふぃ ふぅ ふぇ ふぉ"},
    {u"fya fyu fyo", u"ふゃ ふゅ ふょ"},
    {u"wha whi whe who wi we wyi wye", u"うぁ うぃ うぇ うぉ うぃ うぇ ゐ ゑ"},
    {u"tsa tsi tse tso", u"つぁ つぃ つぇ つぉ"},
    {u"tha thi thu the tho", u"てゃ てぃ てゅ てぇ てょ"},
    {u"dha dhi dhu dhe dho", u"でゃ でぃ でゅ でぇ でょ"},
    {u"dwa dwi dwu dwe dwo", u"どぁ どぃ どぅ どぇ どぉ"},
    {u"twa twi twu twe two", u"とぁ とぃ とぅ とぇ とぉ"},
    {u"swa swi swu swe swo", u"すぁ すぃ すぅ すぇ すぉ"},
    {u"gwa gwi gwu gwe gwo kwa", u"ぐぁ ぐぃ ぐぅ ぐぇ ぐぉ くぁ"},
    {u"kwi kwu kwe kwo", u"くぃ くぅ くぇ くぉ"},
    {u"zwa zwi zwu zwe zwo", u"ずぁ ずぃ ずぅ ずぇ ずぉ"},
    {u"hwa hwi hwe hwo hwyu", u"ふぁ ふぃ ふぇ ふぉ ふゅ"},
    {u"qa qi qu qe qo ye", u"くぁ くぃ く くぇ くぉ いぇ"},
    // Doubled consonants, and the n that is not doubled.
    {u"kka ssa tta ppa tcha jji vvu wwa", u"っか っさ った っぱ っちゃ っじ っゔ っわ"},
    {u"nna nka n'a nya nnn xn", u"んあ んか んあ にゃ んん ん"},
    // Punctuation, and symbols and digits in their full-width forms.
    {u"- , . [ ] /", u"ー 、 。 「 」 ・"},
    {u"! ? 1 ( ) ~ \\ \" ' @ # %", u"！ ？ １ （ ） ～ ￥ ” ’ ＠ ＃ ％"},
    // Letters that start no rule here stay letters.
    {u"k, ky. q1", u"ｋ、 ｋｙ。 ｑ１"},
};
// clang-format on

TEST_F(ImeFixture, SpellingsCompose) {
  for (const Spelling& spelling : kSpellings) {
    const auto inputs = Words(spelling.inputs);
    const auto outputs = Words(spelling.outputs);
    ASSERT_EQ(inputs.size(), outputs.size()) << U8(spelling.inputs);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      SCOPED_TRACE(U8(inputs[i]));
      typed.clear();
      for (char16_t ch : inputs[i]) ime.KeyDown(testing::CharKey(ch));
      Play(ime, u"{Enter}");
      EXPECT_EQ(U8(typed), U8(outputs[i]));
    }
  }
}

// Where the code page has no ゔ, the IME composes ヴ: in the composition, the
// reading, the candidates and the hiragana form (F6); other kana stay hiragana.
TEST_F(ImeFixture, KatakanaVuWhereTheCodePageLacksIt) {
  struct Case {
    std::u16string_view keys;
    std::string confirmed;
  };
  const Case cases[] = {
      {u"vu{Enter}", "ヴ"},
      {u"vaiorin{Enter}", "ヴぁいおりん"},
      {u"vaiorin {Enter}", "ヴぁいおりん"},      // the first candidate
      {u"vaiorin{F7}{Enter}", "ヴァイオリン"},
      {u"vaiorin{F6}{Enter}", "ヴぁいおりん"},
      {u"vvu{Enter}", "っヴ"},
  };
  ime.SetKatakanaVu(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.keys));
    typed.clear();
    Play(ime, c.keys);
    EXPECT_EQ(U8(typed), c.confirmed);
  }
  Play(ime, u"vo");
  EXPECT_EQ(U8(ime.CompositionString()), "ヴぉ");
  EXPECT_EQ(U8(ime.CompositionReading()), "ｳﾞｫ");
  Play(ime, u"{Esc}{Esc}");
  ime.SetKatakanaVu(false);
  typed.clear();
  Play(ime, u"vu{Enter}");
  EXPECT_EQ(U8(typed), "ゔ");
}

TEST(RomajiComposer, KeepsWhatCanStillGrow) {
  struct Case {
    std::u16string_view pending;
    char16_t key;
    std::u16string_view done;
    std::u16string_view left;
  };
  const Case cases[] = {
      {u"", u'k', u"", u"k"},    {u"k", u'y', u"", u"ky"},   {u"ky", u'a', u"きゃ", u""},
      {u"", u'n', u"", u"n"},    {u"n", u'k', u"ん", u"k"},  {u"k", u'k', u"っ", u"k"},
      {u"t", u's', u"", u"ts"},  {u"xt", u's', u"", u"xts"}, {u"n", u'n', u"ん", u""},
      {u"k", u',', u"k、", u""}, {u"", u'1', u"1", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(ustring(c.pending) + c.key));
    const RomajiStep step = FeedRomaji(c.pending, c.key);
    ustring done;
    for (const RomajiPiece& piece : step.done) done += piece.text;
    EXPECT_EQ(U8(done), U8(c.done));
    EXPECT_EQ(U8(step.pending), U8(c.left));
  }
}

TEST(RomajiComposer, SpellsKanaByTheirFirstRule) {
  const std::pair<char16_t, std::u16string_view> cases[] = {
      {u'し', u"si"},  {u'ジ', u"zi"}, {u'っ', u"xtu"}, {u'ん', u"nn"},
      {u'ヵ', u"xka"}, {u'ー', u"-"},  {u'漢', u""},
  };
  for (const auto& [kana, keys] : cases) EXPECT_EQ(U8(SpellKana(kana)), U8(keys));
}

}  // namespace
}  // namespace orvo::emu
