// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/kana_romaji.h"

#include <gtest/gtest.h>

#include "braille/tables/conversion_cases.h"

namespace orvo::braille {
namespace {

using cases::U8;
using cases::Words;

TEST(KanaRomaji, OneCharacterGroupsGiveKeysModeAndShift) {
  struct Case {
    ustring_view kana;  // one character each
    ustring_view romaji;
    int ime_mode;
    bool shift;
  };
  constexpr int kHira = orvo::ime_mode::kHiragana;
  constexpr int kAlnum = orvo::ime_mode::kAlphaFull;
  constexpr Case kCases[] = {
      {u"｡､｢｣ｰ･", u". , [ ] - /", kHira, false},
      {u"ｱｲｳｴｵ", u"A I U E O", kHira, false},
      {u"ｶｷｸｹｺ", u"KA KI KU KE KO", kHira, false},
      {u"ｻｼｽｾｿ", u"SA SI SU SE SO", kHira, false},
      {u"ﾀﾁﾂﾃﾄ", u"TA TI TU TE TO", kHira, false},
      {u"ﾅﾆﾇﾈﾉ", u"NA NI NU NE NO", kHira, false},
      {u"ﾊﾋﾌﾍﾎ", u"HA HI HU HE HO", kHira, false},
      {u"ﾏﾐﾑﾒﾓ", u"MA MI MU ME MO", kHira, false},
      {u"ﾔﾕﾖ", u"YA YU YO", kHira, false},
      {u"ﾗﾘﾙﾚﾛ", u"RA RI RU RE RO", kHira, false},
      {u"ﾜｦﾝ", u"WA WO NN", kHira, false},
      {u"ヰヱヵヶ", u"WYI WYE XKA XKE", kHira, false},  // no half-width form
      {u"-.,:;@[\\]^/", u"- . , : ; @ [ \\ ] ^ /", kAlnum, false},
      {u"0123456789", u"0 1 2 3 4 5 6 7 8 9", kAlnum, false},
      {u"azq", u"A Z Q", kAlnum, false},
      {u"?!\"&()*+<=>", u"/ 1 2 6 8 9 : ; , - .", kHira, true},
      {u"AZQ", u"A Z Q", kAlnum, true},
      {u"#$%'`{|}~", u"3 4 5 7 @ [ \\ ] ^", kAlnum, true},
      {u"ｯｬｭｮｧｨｩｪｫ", u"XTU XYA XYU XYO XA XI XU XE XO", kHira, false},
  };
  for (const auto& c : kCases) {
    const auto romaji = Words(c.romaji);
    ASSERT_EQ(romaji.size(), c.kana.size()) << U8(c.kana);
    for (std::size_t i = 0; i < romaji.size(); ++i) {
      const KanaRomaji found = LookupKana1(c.kana[i]);
      EXPECT_EQ(U8(found.romaji), U8(romaji[i])) << U8(c.kana.substr(i, 1));
      EXPECT_EQ(found.ime_mode, c.ime_mode) << U8(c.kana.substr(i, 1));
      EXPECT_EQ(found.shift, c.shift) << U8(c.kana.substr(i, 1));
    }
  }
}

TEST(KanaRomaji, EveryLetterOfTheAlphabetIsItsCapitalKey) {
  for (char16_t c = u'a'; c <= u'z'; ++c) {
    const auto capital = static_cast<char16_t>(c - u'a' + u'A');
    EXPECT_EQ(LookupKana1(c).romaji, ustring(1, capital));
    EXPECT_EQ(LookupKana1(capital).romaji, ustring(1, capital));
    EXPECT_TRUE(LookupKana1(capital).shift);
  }
}

TEST(KanaRomaji, SpaceIsTypedAsItself) {
  const KanaRomaji space = LookupKana1(u' ');
  EXPECT_EQ(U8(space.romaji), " ");
  EXPECT_EQ(space.ime_mode, orvo::ime_mode::kHiragana);
  EXPECT_FALSE(space.shift);
}

TEST(KanaRomaji, CharactersWithoutKeysHaveNoEntry) {
  for (char16_t c : {u'ﾞ', u'ﾟ', u'あ', u'ア', u'漢', u'_', u'\t', u'\0'}) {
    const KanaRomaji found = LookupKana1(c);
    EXPECT_TRUE(found.romaji.empty()) << U8(ustring(1, c));
    EXPECT_EQ(found.ime_mode, 0);
  }
}

TEST(KanaRomaji, TwoCharacterSyllables) {
  struct Case {
    ustring_view kana, romaji;  // space-separated
  };
  constexpr Case kCases[] = {
      {u"ｶﾞ ｷﾞ ｸﾞ ｹﾞ ｺﾞ", u"GA GI GU GE GO"},
      {u"ｻﾞ ｼﾞ ｽﾞ ｾﾞ ｿﾞ", u"ZA ZI ZU ZE ZO"},
      {u"ﾀﾞ ﾁﾞ ﾂﾞ ﾃﾞ ﾄﾞ", u"DA DI DU DE DO"},
      {u"ﾊﾞ ﾋﾞ ﾌﾞ ﾍﾞ ﾎﾞ", u"BA BI BU BE BO"},
      {u"ﾊﾟ ﾋﾟ ﾌﾟ ﾍﾟ ﾎﾟ", u"PA PI PU PE PO"},
      {u"ｳﾞ ｲｪ", u"VU YE"},
      {u"ｷｬ ｷｨ ｷｭ ｷｪ ｷｮ", u"KYA KYI KYU KYE KYO"},
      {u"ｼｬ ｼｨ ｼｭ ｼｪ ｼｮ", u"SYA SYI SYU SYE SYO"},
      {u"ﾁｬ ﾁｨ ﾁｭ ﾁｪ ﾁｮ", u"TYA TYI TYU TYE TYO"},
      {u"ﾆｬ ﾆｨ ﾆｭ ﾆｪ ﾆｮ", u"NYA NYI NYU NYE NYO"},
      {u"ﾋｬ ﾋｨ ﾋｭ ﾋｪ ﾋｮ", u"HYA HYI HYU HYE HYO"},
      {u"ﾐｬ ﾐｨ ﾐｭ ﾐｪ ﾐｮ", u"MYA MYI MYU MYE MYO"},
      {u"ﾘｬ ﾘｨ ﾘｭ ﾘｪ ﾘｮ", u"RYA RYI RYU RYE RYO"},
      {u"ﾌｧ ﾌｨ ﾌｩ ﾌｪ ﾌｫ", u"FWA FWI FWU FWE FWO"},
      {u"ｳｧ ｳｨ ｳｪ ｳｫ", u"WHA WHI WHE WHO"},
      {u"ﾂｧ ﾂｨ ﾂｪ ﾂｫ", u"TSA TSI TSE TSO"},
      {u"ｽｧ ｽｨ ｽｩ ｽｪ ｽｫ", u"SWA SWI SWU SWE SWO"},
      {u"ﾄｧ ﾄｨ ﾄｩ ﾄｪ ﾄｫ", u"TWA TWI TWU TWE TWO"},
      {u"ﾌｬ ﾌｭ ﾌｮ", u"FYA FYU FYO"},
      {u"ﾃｬ ﾃｨ ﾃｭ ﾃｪ ﾃｮ", u"THA THI THU THE THO"},
  };
  for (const auto& c : kCases) {
    const auto kana = Words(c.kana);
    const auto romaji = Words(c.romaji);
    ASSERT_EQ(kana.size(), romaji.size()) << U8(c.kana);
    for (std::size_t i = 0; i < kana.size(); ++i) {
      EXPECT_EQ(U8(LookupKana2(kana[i])), U8(romaji[i])) << U8(kana[i]);
    }
  }
}

TEST(KanaRomaji, ThreeCharacterSyllables) {
  struct Case {
    ustring_view kana, romaji;  // space-separated
  };
  constexpr Case kCases[] = {
      {u"ｳﾞｧ ｳﾞｨ ｳﾞｪ ｳﾞｫ", u"VA VI VE VO"},
      {u"ｷﾞｬ ｷﾞｨ ｷﾞｭ ｷﾞｪ ｷﾞｮ", u"GYA GYI GYU GYE GYO"},
      {u"ｼﾞｬ ｼﾞｨ ｼﾞｭ ｼﾞｪ ｼﾞｮ", u"ZYA ZYI ZYU ZYE ZYO"},
      {u"ﾁﾞｬ ﾁﾞｨ ﾁﾞｭ ﾁﾞｪ ﾁﾞｮ", u"DYA DYI DYU DYE DYO"},
      {u"ﾋﾞｬ ﾋﾞｨ ﾋﾞｭ ﾋﾞｪ ﾋﾞｮ", u"BYA BYI BYU BYE BYO"},
      {u"ﾋﾟｬ ﾋﾟｨ ﾋﾟｭ ﾋﾟｪ ﾋﾟｮ", u"PYA PYI PYU PYE PYO"},
      {u"ｳﾞｬ ｳﾞｭ ｳﾞｮ", u"VYA VYU VYO"},
      {u"ｸﾞｧ ｸﾞｨ ｸﾞｩ ｸﾞｪ ｸﾞｫ", u"GWA GWI GWU GWE GWO"},  // ぐぅ is not ぎゅ
      {u"ﾄﾞｧ ﾄﾞｨ ﾄﾞｩ ﾄﾞｪ ﾄﾞｫ", u"DWA DWI DWU DWE DWO"},
      {u"ﾃﾞｬ ﾃﾞｨ ﾃﾞｭ ﾃﾞｪ ﾃﾞｮ", u"DHA DHI DHU DHE DHO"},
      {u"ｽﾞｨ", u"ZUXI"},
  };
  for (const auto& c : kCases) {
    const auto kana = Words(c.kana);
    const auto romaji = Words(c.romaji);
    ASSERT_EQ(kana.size(), romaji.size()) << U8(c.kana);
    for (std::size_t i = 0; i < kana.size(); ++i) {
      EXPECT_EQ(U8(LookupKana3(kana[i])), U8(romaji[i])) << U8(kana[i]);
    }
  }
}

TEST(KanaRomaji, LookupsMatchWholeStringsOnly) {
  for (ustring_view kana : {u"", u"ｷ", u"ｷﾞｬ", u"ｷｬｯ", u"ﾞｬ", u"ｱﾞ"}) {
    EXPECT_TRUE(LookupKana2(kana).empty()) << U8(kana);
  }
  for (ustring_view kana : {u"", u"ｷﾞ", u"ｷﾞｬｬ", u"ｱﾞｬ", u"ｽﾞｧ"}) {
    EXPECT_TRUE(LookupKana3(kana).empty()) << U8(kana);
  }
}

}  // namespace
}  // namespace orvo::braille
