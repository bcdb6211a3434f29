// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/ime/kana_forms.h"

#include <gtest/gtest.h>

#include "ime_script.h"

namespace orvo::emu {
namespace {

using testing::U8;

struct FormCase {
  std::u16string_view text;
  std::u16string_view expected;
};

TEST(KanaForms, HalfWidthSplitsVoicedKanaAndKeepsAscii) {
  const FormCase cases[] = {
      {u"がっこう", u"ｶﾞｯｺｳ"},
      {u"ぱぴぷぺぽ", u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
      {u"ゔぁ", u"ｳﾞｧ"},
      {u"ヴィ", u"ｳﾞｨ"},
      {u"ぁぃぅぇぉゃゅょっ", u"ｧｨｩｪｫｬｭｮｯ"},
      {u"をん", u"ｦﾝ"},
      {u"ー、。「」・", u"ｰ､｡｢｣･"},
      {u"ａＢ１！”’‘￥　", u"aB1!\"'`\\ "},
      {u"abc", u"abc"},
      {u"ゐゑヵヶゎ", u"ヰヱヵヶヮ"},  // no half-width form: the full-width katakana
      {u"漢字", u"漢字"},
  };
  for (const FormCase& c : cases) EXPECT_EQ(U8(ToHalfWidth(c.text)), U8(c.expected));
}

TEST(KanaForms, HiraganaAndKatakanaMapOneToOne) {
  const FormCase to_katakana[] = {
      {u"かなゔゕゖ", u"カナヴヵヶ"}, {u"ａー、", u"ａー、"}, {u"ゝ", u"ゝ"}};
  for (const FormCase& c : to_katakana) {
    EXPECT_EQ(U8(ToKatakana(c.text)), U8(c.expected));
    EXPECT_EQ(U8(ToHiragana(c.expected)), U8(c.text));
  }
}

TEST(KanaForms, EveryPrintableAsciiHasAFullWidthFormAndBack) {
  for (char16_t ch = u' '; ch <= u'~'; ++ch) {
    const char16_t wide = ToFullWidthAscii(ch);
    EXPECT_NE(wide, ch);
    EXPECT_EQ(FromFullWidthAscii(wide), ch) << static_cast<int>(ch);
  }
  EXPECT_EQ(ToFullWidthAscii(u'あ'), u'あ');
  EXPECT_EQ(FromFullWidthAscii(u'あ'), 0);
  EXPECT_EQ(FromFullWidthAscii(u'＂'), u'"');  // the plain full-width forms read back too
}

}  // namespace
}  // namespace orvo::emu
