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

// Text pasted from elsewhere: decomposed kana, marks and selectors with
// nothing before them, the small katakana of final consonants.
TEST(Describe, TextFromElsewhereIsSaidWhole) {
  const Case cases[] = {
      {u"か\u3099", u"ヒラガナ が"},            // a kana and a combining voiced mark are one kana
      {u"ハ\u309Aン", u"カタカナ パン"},
      {u"ウ\u3099", u"カタカナ ヴ"},
      {u"\u3099", u"ダクテン"},                 // a mark with nothing to join is said by name
      {u"あ\u3099", u"ヒラガナ あ、ダクテン"},  // and one that makes no kana with the one before
      {u"ㇰ", u"カタカナ チイサイ ク"},
      {u"\U000E0100", u"モジコード イー 0100"},  // a selector alone is not "nothing"
      {u"\uFE0F\uFE0F", u"モジコード エフ イー 0 エフ、モジコード エフ イー 0 エフ"},
      {u"e\u0301", u"ハンカク イー、モジコード 0301"},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(c.text), c.said) << ToUtf8(c.text);
}

// Whatever one character is, it is said by something any voice reads: kana,
// digits and spaces between the parts, never the character left raw, and never
// a line break (an announcement is one line).
TEST(Describe, EveryCharacterIsSaidInWordsAnyVoiceReads) {
  const auto readable = [](char16_t c) {
    return (c >= u'ぁ' && c <= u'ゖ') || (c >= u'ァ' && c <= u'ヺ') || c == u'ー' || c == u' ' || c == u'、' ||
           (c >= u'0' && c <= u'9');
  };
  for (char32_t c = 1; c <= 0x10FFFF; c += c < 0x30000 ? 1 : 0x101) {
    ustring text;
    if (c >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(c);
    }
    const ustring said = Describe(text);
    ASSERT_FALSE(said.empty()) << std::hex << static_cast<unsigned>(c);
    for (char16_t s : said) {
      ASSERT_TRUE(readable(s)) << std::hex << static_cast<unsigned>(c) << " said as " << ToUtf8(said);
    }
  }
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
