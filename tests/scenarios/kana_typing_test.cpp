// SPDX-License-Identifier: GPL-3.0-or-later
// Every kana of Japanese braille, typed as chords, ends as its hiragana.
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

struct KanaCase {
  const char16_t* cells;  // Braille ASCII, one chord each
  const char16_t* text;   // the hiragana after confirming
};

constexpr KanaCase kPlainKana[] = {
    {u"A", u"あ"}, {u"B", u"い"}, {u"C", u"う"}, {u"F", u"え"}, {u"I", u"お"},
    {u"*", u"か"}, {u"<", u"き"}, {u"%", u"く"}, {u"$", u"け"}, {u"[", u"こ"},
    {u":", u"さ"}, {u"\\", u"し"}, {u"?", u"す"}, {u"]", u"せ"}, {u"W", u"そ"},
    {u"O", u"た"}, {u"R", u"ち"}, {u"N", u"つ"}, {u"Q", u"て"}, {u"T", u"と"},
    {u"K", u"な"}, {u"L", u"に"}, {u"M", u"ぬ"}, {u"P", u"ね"}, {u"S", u"の"},
    {u"U", u"は"}, {u"V", u"ひ"}, {u"X", u"ふ"}, {u"&", u"へ"}, {u"!", u"ほ"},
    {u"Z", u"ま"}, {u"(", u"み"}, {u"Y", u"む"}, {u"=", u"め"}, {u")", u"も"},
    {u"E", u"ら"}, {u"H", u"り"}, {u"D", u"る"}, {u"G", u"れ"}, {u"J", u"ろ"},
    {u"/", u"や"}, {u"+", u"ゆ"}, {u">", u"よ"}, {u"'", u"わ"}, {u"9", u"を"},
    {u"0", u"ん"}, {u"3", u"ー"},
};

constexpr KanaCase kVoicedKana[] = {
    {u"\"*", u"が"}, {u"\"<", u"ぎ"}, {u"\"%", u"ぐ"}, {u"\"$", u"げ"}, {u"\"[", u"ご"},
    {u"\":", u"ざ"}, {u"\"\\", u"じ"}, {u"\"?", u"ず"}, {u"\"]", u"ぜ"}, {u"\"W", u"ぞ"},
    {u"\"O", u"だ"}, {u"\"R", u"ぢ"}, {u"\"N", u"づ"}, {u"\"Q", u"で"}, {u"\"T", u"ど"},
    {u"\"U", u"ば"}, {u"\"V", u"び"}, {u"\"X", u"ぶ"}, {u"\"&", u"べ"}, {u"\"!", u"ぼ"},
    {u",U", u"ぱ"}, {u",V", u"ぴ"}, {u",X", u"ぷ"}, {u",&", u"ぺ"}, {u",!", u"ぽ"},
};

constexpr KanaCase kContractedKana[] = {
    {u"@*", u"きゃ"}, {u"@%", u"きゅ"}, {u"@[", u"きょ"}, {u"@<", u"きぃ"}, {u"@$", u"きぇ"},
    {u"@:", u"しゃ"}, {u"@?", u"しゅ"}, {u"@W", u"しょ"}, {u"@]", u"しぇ"},
    {u"@O", u"ちゃ"}, {u"@N", u"ちゅ"}, {u"@T", u"ちょ"}, {u"@Q", u"ちぇ"},
    {u"@K", u"にゃ"}, {u"@M", u"にゅ"}, {u"@S", u"にょ"},
    {u"@U", u"ひゃ"}, {u"@X", u"ひゅ"}, {u"@!", u"ひょ"},
    {u"@Z", u"みゃ"}, {u"@Y", u"みゅ"}, {u"@)", u"みょ"},
    {u"@E", u"りゃ"}, {u"@D", u"りゅ"}, {u"@J", u"りょ"},
    {u"^*", u"ぎゃ"}, {u"^%", u"ぎゅ"}, {u"^[", u"ぎょ"},
    {u"^:", u"じゃ"}, {u"^?", u"じゅ"}, {u"^W", u"じょ"},
    {u"^O", u"ぢゃ"}, {u"^N", u"ぢゅ"}, {u"^T", u"ぢょ"},
    {u"^U", u"びゃ"}, {u"^X", u"びゅ"}, {u"^!", u"びょ"},
    {u".U", u"ぴゃ"}, {u".X", u"ぴゅ"}, {u".!", u"ぴょ"},
    {u"^A", u"ぁ"}, {u"^B", u"ぃ"}, {u"^C", u"ぅ"}, {u"^F", u"ぇ"}, {u"^I", u"ぉ"},
    {u"^/", u"ゃ"}, {u"^+", u"ゅ"}, {u"^>", u"ょ"},
    // The special sounds the contracted signs give before ち and し.
    {u"@R", u"てぃ"}, {u"@\\", u"すぃ"}, {u"^R", u"でぃ"}, {u"^\\", u"ずぃ"},
};

class KanaTyping : public Scenario, public ::testing::WithParamInterface<KanaCase> {};

TEST_P(KanaTyping, ConfirmsAsHiragana) {
  BrailleOn();
  Cells(GetParam().cells);
  Confirm();
  EXPECT_EQ(Text(), GetParam().text);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(W().txtIN.Text().empty());
}

INSTANTIATE_TEST_SUITE_P(Plain, KanaTyping, ::testing::ValuesIn(kPlainKana));
INSTANTIATE_TEST_SUITE_P(VoicedAndSemiVoiced, KanaTyping, ::testing::ValuesIn(kVoicedKana));
INSTANTIATE_TEST_SUITE_P(Contracted, KanaTyping, ::testing::ValuesIn(kContractedKana));

TEST_F(Scenario, PrefixAloneTypesNothingAndWaits) {
  BrailleOn();
  Cells(u"\"");
  EXPECT_TRUE(S().program.conversion.NoOutput());
  EXPECT_TRUE(S().program.conversion.PrefixPending());
  EXPECT_TRUE(W().txtIN.Text().empty());
  EXPECT_EQ(W().lblTENJI.Caption(), u"\"");
  Cells(u"*");
  EXPECT_EQ(W().lblTENJI.Caption(), u"\"*");  // the pair stays on the display
  EXPECT_EQ(W().txtIN.Text(), u"ｶﾞ");
}

}  // namespace
}  // namespace orvo::testing
