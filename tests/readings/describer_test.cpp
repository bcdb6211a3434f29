// SPDX-License-Identifier: GPL-3.0-or-later
// A text as it is said: kanji by a word, runs by their kind, symbols by name,
// and nothing unsaid, however odd the text.
#include "readings/describer.h"

#include <gtest/gtest.h>

#include "readings/kanji_table.h"

namespace orvo::readings {
namespace {

struct Case {
  ustring text;
  ustring said;
};

TEST(Describe, SaysEachRunOnceByItsKind) {
  const Case cases[] = {
      {u"ありがとう", u"ヒラガナ ありがとう"},
      {u"すごーい", u"ヒラガナ すごーい"},  // the long-vowel mark stays in the hiragana
      {u"キャット", u"カタカナ キャット"},
      {u"ｷｬｯﾄ", u"ハンカク カタカナ キャット"},
      {u"ｶﾞｯｺｳﾊﾟﾝ", u"ハンカク カタカナ ガッコウパン"},  // the voicing marks join their kana
      {u"ﾞ", u"ダクテン"},
      {u"ＡＢ", u"オオモジ エー ビー"},
      {u"Ｏｒｖｏ", u"オオモジ オー、アール ブイ オー"},
      {u"OK", u"ハンカク オオモジ オー ケー"},
      {u"w", u"ハンカク ダブリュー"},
      {u"１２３", u"123"},
      {u"42", u"ハンカク 42"},
      {u"月３日", u"ゲツヨービノ ゲツ、3、ニチヨービノ ニチ"},
      {u"きゃっとフード", u"ヒラガナ きゃっと、カタカナ フード"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(c.text), c.said) << ToUtf8(c.text);
}

TEST(Describe, MarksSmallKanaAndSymbolsAloneAreSaidByName) {
  const Case cases[] = {
      {u"ッ", u"カタカナ チイサイ ツ"}, {u"ょ", u"ヒラガナ チイサイ よ"}, {u"ー", u"チョーオン"},
      {u"々", u"クリカエシ"},             {u"、", u"テン"},                 {u"。", u"マル"},
      {u"「", u"カギカッコ"},             {u"？", u"ギモンフ"},             {u"?", u"ギモンフ"},
      {u"　", u"ゼンカク スペース"},      {u" ", u"スペース"},              {u"\r\n", u"カイギョー、カイギョー"},
      {u"¥", u"エン"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(c.text), c.said) << ToUtf8(c.text);
}

TEST(Describe, KanjiAreSaidByTheirWordsAndHomophonesDiffer) {
  EXPECT_EQ(Describe(u"日本"), u"ニチヨービノ ニチ、ニホンノ ホン");
  EXPECT_EQ(Describe(u"異"), u"コトナルノ イ");
  EXPECT_EQ(Describe(u"器"), u"ウツワノ キ");
  // はし, as the conversion offers it.
  EXPECT_NE(Describe(u"橋"), Describe(u"箸"));
  EXPECT_NE(Describe(u"箸"), Describe(u"端"));
  EXPECT_NE(Describe(u"日本"), Describe(u"二本"));
}

TEST(Describe, ACharacterWithNoDescriptionIsSaidByItsCode) {
  const Case cases[] = {
      {u"😀", u"モジコード 1 エフ 600"},           // an emoji: a surrogate pair, one character
      {u"\uE000", u"ガイジ モジコード イー 000"},   // private use
      {u"\xD800", u"フセイナ モジ モジコード ディー 800"},  // half a pair
      {u"\xDC00" u"あ", u"フセイナ モジ モジコード ディー シー 00、ヒラガナ あ"},
      {u"\u0007", u"モジコード 0007"},
      {u"\U0002000B", u"モジコード 2000 ビー"},  // a kanji the table does not hold
      {u"", u"ナシ"},
      {u"葛\U000E0100", Describe(u"葛")},  // a variation selector is part of its kanji
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(c.text), c.said) << ToUtf8(c.text);
}

TEST(Describe, ALongTextIsCutWithAWordSayingSo) {
  ustring hundred;
  for (int k = 0; k < 50; ++k) hundred += u"日本";
  const ustring said = Describe(hundred);
  EXPECT_TRUE(said.ends_with(u"、イカ ショーリャク")) << ToUtf8(said);
  std::size_t parts = 1;
  for (char16_t c : said) parts += c == u'、';
  EXPECT_EQ(parts, kMostDescribed + 1);
  // A run is cut as well, and a text of exactly the limit is not.
  EXPECT_EQ(Describe(ustring(kMostDescribed, u'あ')), u"ヒラガナ " + ustring(kMostDescribed, u'あ'));
  EXPECT_EQ(Describe(ustring(kMostDescribed + 5, u'あ')),
            u"ヒラガナ " + ustring(kMostDescribed, u'あ') + u"、イカ ショーリャク");
}

}  // namespace
}  // namespace orvo::readings
