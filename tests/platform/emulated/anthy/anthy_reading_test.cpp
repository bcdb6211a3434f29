// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/emulated/anthy/anthy_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvo::emu {
namespace {

std::string U8(std::u16string_view text) { return ToUtf8(text); }

TEST(AnthyReading, EveryKanaFormBecomesWhatAnthyConverts) {
  struct Case {
    std::u16string_view reading;
    std::string_view anthy;
    std::vector<int> units_before;  // reading units before each of anthy's characters, and the end
  };
  const Case cases[] = {
      {u"がっこう", "がっこう", {0, 1, 2, 3, 4}},
      {u"ガッコウ", "がっこう", {0, 1, 2, 3, 4}},
      {u"ｶﾞｯｺｳ", "がっこう", {0, 2, 3, 4, 5}},
      {u"ﾊﾟﾝｳﾞｧ", "ぱんヴぁ", {0, 2, 3, 5, 6}},
      {u"ｶﾞﾞ", "が゛", {0, 2, 3}},
      {u"ヴゔヵヶ", "ヴヴヵヶ", {0, 1, 2, 3, 4}},
      {u"ｰ､｡｢｣･", "ー、。「」・", {0, 1, 2, 3, 4, 5, 6}},
      {u"１Ａ!ｚ", "１Ａ!ｚ", {0, 1, 2, 3, 4}},
      {u"😀あ", "😀あ", {0, 2, 3}},
      {u"", "", {0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.reading));
    AnthyReading reading;
    ASSERT_TRUE(reading.Assign(c.reading));
    EXPECT_EQ(reading.Utf8(), c.anthy);
    ASSERT_EQ(reading.Length() + 1, static_cast<int>(c.units_before.size()));
    for (int i = 0; i <= reading.Length(); ++i) {
      EXPECT_EQ(reading.ReadingUnitsBefore(i), c.units_before[i]) << i;
    }
    EXPECT_EQ(reading.ReadingText(0, reading.Length()), c.reading);
    EXPECT_EQ(U8(reading.AnthyText(0, reading.Length())), c.anthy);
  }
}

TEST(AnthyReading, PiecesAreCutAtAnthysCharacters) {
  AnthyReading reading;
  ASSERT_TRUE(reading.Assign(u"ｶﾞｯ😀"));
  EXPECT_EQ(U8(reading.ReadingText(0, 1)), "ｶﾞ");
  EXPECT_EQ(U8(reading.AnthyText(0, 1)), "が");
  EXPECT_EQ(U8(reading.ReadingText(2, 3)), "😀");
  // Out of range and reversed ranges give what lies inside, or nothing.
  EXPECT_EQ(U8(reading.ReadingText(-5, 99)), "ｶﾞｯ😀");
  EXPECT_EQ(U8(reading.ReadingText(2, 1)), "");
  EXPECT_EQ(reading.ReadingUnitsBefore(99), 5);
}

TEST(AnthyReading, TextAnthyCannotTakeIsRefused) {
  const std::u16string refused[] = {
      std::u16string(u"あ\0い", 3),
      std::u16string(1, u'\xD83D'),
      std::u16string{u'\xDE00', u'あ'},
      std::u16string{u'あ', u'\xD83D', u'い'},
  };
  for (const std::u16string& text : refused) {
    AnthyReading reading;
    ASSERT_TRUE(reading.Assign(u"かな"));
    EXPECT_FALSE(reading.Assign(text));
    EXPECT_EQ(reading.Length(), 0);
    EXPECT_EQ(reading.Utf8(), "");
    EXPECT_EQ(reading.ReadingText(0, 5), u"");
  }
}

TEST(AnthyReading, LiteralsMustSurviveInOrder) {
  struct Case {
    std::u16string_view reading;
    std::u16string_view candidate;
    bool keeps;
  };
  const Case cases[] = {
      {u"かな", u"仮名", true},
      {u"らーめん", u"ラーメン", true},
      {u"１２３こ", u"１２３個", true},
      {u"１２３こ", u"123個", false},
      {u"１２３こ", u"百二十三個", false},
      {u"。", u".", false},
      {u"。", u"。", true},
      {u"ａかｂ", u"ａ蚊ｂ", true},
      {u"ａかｂ", u"ｂ蚊ａ", false},
      {u"ａａ", u"ａ", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeepsLiterals(c.reading, c.candidate), c.keeps)
        << U8(c.reading) << " / " << U8(c.candidate);
  }
}

}  // namespace
}  // namespace orvo::emu
