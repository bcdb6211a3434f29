// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ime_script.h"
#include "platform/ime_service.h"

namespace orvo::emu {
namespace {

using testing::ImeFixture;
using testing::Play;
using testing::U8;

// A key script, then what the composition holds and what was confirmed.
struct Scene {
  std::u16string_view keys;
  std::u16string_view composition;
  std::u16string_view reading;
  int caret;
  std::u16string_view confirmed;
};

// clang-format off
constexpr Scene kScenes[] = {
    // Readings: half-width katakana, voiced kana split, ASCII half-width.
    {u"gakkou",           u"がっこう",   u"ｶﾞｯｺｳ",   4, u""},
    {u"kyattopa-thi-",    u"きゃっとぱーてぃー", u"ｷｬｯﾄﾊﾟｰﾃｨｰ", 9, u""},
    {u"vu,.[]/",          u"ゔ、。「」・", u"ｳﾞ､｡｢｣･", 6, u""},
    {u"Abc1",             u"Ａｂｃ１",   u"Abc1",     4, u""},
    // Pending romaji shows as the letter; Backspace takes back one letter.
    {u"k",                u"ｋ",         u"k",        1, u""},
    {u"kak",              u"かｋ",       u"ｶk",       2, u""},
    {u"ky{BS}",           u"ｋ",         u"k",        1, u""},
    {u"ky{BS}a",          u"か",         u"ｶ",        1, u""},
    {u"kya{BS}",          u"き",         u"ｷ",        1, u""},
    {u"k{BS}",            u"",           u"",         0, u""},
    // The caret moves in the reading; typing and deleting happen there.
    {u"kana{Left}{BS}",   u"な",         u"ﾅ",        0, u""},
    {u"kana{Left}ki",     u"かきな",     u"ｶｷﾅ",      2, u""},
    {u"kana{Home}{Del}",  u"な",         u"ﾅ",        0, u""},
    {u"kana{Home}{Right}{Del}", u"か",   u"ｶ",        1, u""},
    {u"kana{Left}{Left}{Left}{End}a", u"かなあ", u"ｶﾅｱ", 3, u""},
    {u"kana{Del}",        u"かな",       u"ｶﾅ",       2, u""},
    {u"kan{Left}",        u"かん",       u"ｶﾝ",       1, u""},
    {u"k{Left}a",         u"あｋ",       u"ｱk",       1, u""},
    // Enter confirms all, pending romaji included; Esc drops it all.
    {u"kan{Enter}",       u"",           u"",         0, u"かん"},
    {u"kak{Enter}",       u"",           u"",         0, u"かｋ"},
    {u"kana{Left}{Enter}", u"",          u"",         0, u"かな"},
    {u"kana{Esc}",        u"",           u"",         0, u""},
    {u"ka{C-Enter}",      u"",           u"",         0, u"か"},
    // Other keys are kept from the text box while composing.
    {u"ka{Up}{PgDn}",     u"か",         u"ｶ",        1, u""},
    // With no composition Space is a full-width space, Shift+Space a narrow one.
    {u"{Space}{S-Space}", u"",           u"",         0, u"　 "},
};
// clang-format on

TEST_F(ImeFixture, CompositionKeys) {
  for (const Scene& scene : kScenes) {
    SCOPED_TRACE(U8(scene.keys));
    typed.clear();
    Play(ime, scene.keys);
    EXPECT_EQ(U8(ime.CompositionString()), U8(scene.composition));
    EXPECT_EQ(U8(ime.CompositionReading()), U8(scene.reading));
    EXPECT_EQ(ime.CaretInComposition(), scene.caret);
    EXPECT_EQ(U8(typed), U8(scene.confirmed));
    EXPECT_EQ(ime.Composing(), !scene.composition.empty());
    Play(ime, u"{Esc}");
  }
}

TEST_F(ImeFixture, ResultKeepsUntilTheNextConfirmation) {
  Play(ime, u"gakkou{Enter}");
  EXPECT_EQ(U8(ime.ResultString()), "がっこう");
  EXPECT_EQ(U8(ime.ResultReading()), "ｶﾞｯｺｳ");
  Play(ime, u"ki");
  EXPECT_EQ(U8(ime.ResultReading()), "ｶﾞｯｺｳ");
  Play(ime, u"{Esc}");
  EXPECT_EQ(U8(ime.ResultString()), "がっこう");
  Play(ime, u"A{Enter}");
  EXPECT_EQ(U8(ime.ResultString()), "Ａ");
  EXPECT_EQ(U8(ime.ResultReading()), "A");
}

TEST_F(ImeFixture, FullWidthAlphanumericModeComposesWithoutRomaji) {
  ime.SetImeMode(7);
  EXPECT_EQ(ime.ConversionMode(), ime_cmode::kFullShape | ime_cmode::kRoman);
  Play(ime, u"ka1A-,");
  EXPECT_EQ(U8(ime.CompositionString()), "ｋａ１Ａ－，");
  EXPECT_EQ(U8(ime.CompositionReading()), "ka1A-,");
}

// Re-typing a reading switches modes in the middle of one composition.
TEST_F(ImeFixture, ModeSwitchKeepsTheComposition) {
  Play(ime, u"kan");
  ime.SetImeMode(7);
  Play(ime, u"a");
  ime.SetImeMode(4);
  Play(ime, u"ka");
  EXPECT_EQ(U8(ime.CompositionString()), "かんａか");
  EXPECT_EQ(U8(ime.CompositionReading()), "ｶﾝaｶ");
  EXPECT_TRUE(typed.empty());
}

TEST_F(ImeFixture, KatakanaModesComposeKatakana) {
  ime.SetImeMode(5);
  Play(ime, u"gakkou");
  EXPECT_EQ(U8(ime.CompositionString()), "ガッコウ");
  Play(ime, u"{Esc}");
  ime.SetImeMode(6);
  EXPECT_EQ(ime.ImeMode(), 6);
  Play(ime, u"ga1");
  EXPECT_EQ(U8(ime.CompositionString()), "ｶﾞ1");
}

TEST_F(ImeFixture, KeysTheImeLeavesToTheTextBox) {
  struct Case {
    std::u16string_view keys;  // each taken or not as a whole
    bool composing_first;
    bool taken;
  };
  const Case cases[] = {
      {u"{Enter}", false, false},    {u"{BS}", false, false},   {u"{Left}", false, false},
      {u"{Del}", false, false},      {u"{Esc}", false, false},  {u"{F7}", false, false},
      {u"{Tab}", false, false},      {u"{C-a}", false, false},  {u"{A-a}", false, false},
      {u"{C-a}", true, false},       {u"{Shift}", true, false}, {u"{C-A-a}", true, false},
      {u"{C-A-Enter}", true, false}, {u"{PgDn}", true, true},   {u"a", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.keys) + (c.composing_first ? " composing" : ""));
    Play(ime, u"{Esc}");
    if (c.composing_first) Play(ime, u"ka");
    EXPECT_EQ(Play(ime, c.keys), c.taken ? 1 : 0);
  }
}

// The program's own function keys reach it in every state; F6-F10 stay the IME's.
TEST_F(ImeFixture, FunctionKeysTheImeHasNoUseForPassOn) {
  const std::u16string_view starts[] = {u"", u"ka", u"ka{Space}"};
  for (const std::u16string_view start : starts) {
    for (const std::u16string_view key :
         {u"{F1}", u"{F2}", u"{F3}", u"{F4}", u"{F5}", u"{F11}", u"{F12}", u"{S-F1}"}) {
      SCOPED_TRACE(U8(start) + U8(key));
      Play(ime, u"{Esc}{Esc}");
      Play(ime, start);
      const std::u16string before = ime.CompositionString();
      EXPECT_EQ(Play(ime, key), 0);
      EXPECT_EQ(U8(ime.CompositionString()), U8(before));
    }
  }
  Play(ime, u"{Esc}ka");
  EXPECT_EQ(Play(ime, u"{F6}{F7}{F8}{F9}{F10}"), 5);
}

TEST_F(ImeFixture, ClosedImeTakesNothingButTheKanjiKey) {
  ime.SetImeMode(2);
  EXPECT_FALSE(ime.Open());
  EXPECT_EQ(ime.ImeMode(), 2);
  EXPECT_EQ(Play(ime, u"ka{Space}"), 0);
  EXPECT_EQ(Play(ime, u"{Kanji}"), 1);
  EXPECT_EQ(ime.ImeMode(), 4);
  EXPECT_EQ(Play(ime, u"ka"), 2);
}

TEST_F(ImeFixture, ClosingConfirmsTheComposition) {
  Play(ime, u"kan");
  ime.SetOpen(false);
  EXPECT_EQ(U8(typed), "かん");
  EXPECT_FALSE(ime.Composing());
  ime.SetOpen(true);
  Play(ime, u"kana{Space}{Space}");
  ime.SetImeMode(2);
  EXPECT_EQ(U8(typed), "かんカナ");
  EXPECT_EQ(U8(ime.ResultReading()), "ｶﾅ");
  ime.SetImeMode(4);
  Play(ime, u"ni{Kanji}");
  EXPECT_EQ(U8(typed), "かんカナに");
  EXPECT_FALSE(ime.Open());
}

TEST(ImeModes, ModeAndConversionBitsAgree) {
  ImeEmulator ime;
  EXPECT_EQ(ime.ImeMode(), 2);
  const std::pair<int, std::uint32_t> modes[] = {
      {4, ime_cmode::kNative | ime_cmode::kFullShape},
      {5, ime_cmode::kNative | ime_cmode::kKatakana | ime_cmode::kFullShape},
      {7, ime_cmode::kFullShape},
      {8, 0},
  };
  for (const auto& [mode, bits] : modes) {
    ime.SetImeMode(mode);
    EXPECT_TRUE(ime.Open());
    EXPECT_EQ(ime.ImeMode(), mode);
    EXPECT_EQ(ime.ConversionMode(), bits | ime_cmode::kRoman);
  }
  ime.SetImeMode(0);  // no control: nothing changes
  EXPECT_EQ(ime.ImeMode(), 8);
  ime.SetImeMode(3);
  EXPECT_EQ(ime.ImeMode(), 2);
  ime.SetImeMode(1);
  EXPECT_EQ(ime.ImeMode(), 8);
  ime.SetConversionMode(ime_cmode::kNative | ime_cmode::kFullShape);
  ime.SetImeMode(7);  // a program's choice of kana input survives a mode change
  EXPECT_EQ(ime.ConversionMode(), ime_cmode::kFullShape);
}

TEST(ImeModes, HalfWidthAlphanumericLeavesCharactersToTheBox) {
  ImeEmulator ime;
  ime.SetImeMode(8);
  EXPECT_FALSE(ime.KeyDown(testing::CharKey(u'a')));
  EXPECT_FALSE(ime.KeyDown(testing::NameKey(u"Space")));
}

}  // namespace
}  // namespace orvo::emu
