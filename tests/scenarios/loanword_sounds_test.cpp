// SPDX-License-Identifier: GPL-3.0-or-later
// The special sounds of loanwords typed as chords: each composes its kana,
// F7 gives its katakana, and a message box that takes the composition away
// leaves it typed again from its reading. The marks whose cells begin them
// still come out whenever no sound follows.
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

struct SoundCase {
  const char16_t* cells;     // Braille ASCII, one chord each
  const char16_t* text;      // the document after confirming
  const char16_t* katakana;  // the document after F7 and confirming
};

// Under CP932, which has no ゔ, the IME composes ヴ; ヵ and ヶ come as katakana.
constexpr SoundCase kSounds[] = {
    {u"5B", u"うぃ", u"ウィ"}, {u"5F", u"うぇ", u"ウェ"}, {u"5I", u"うぉ", u"ウォ"},
    {u"5O", u"つぁ", u"ツァ"}, {u"5R", u"つぃ", u"ツィ"}, {u"5Q", u"つぇ", u"ツェ"},
    {u"5T", u"つぉ", u"ツォ"}, {u"5N", u"とぅ", u"トゥ"},
    {u"5U", u"ふぁ", u"ファ"}, {u"5V", u"ふぃ", u"フィ"}, {u"5&", u"ふぇ", u"フェ"},
    {u"5!", u"ふぉ", u"フォ"},
    {u"4U", u"ヴぁ", u"ヴァ"}, {u"4V", u"ヴぃ", u"ヴィ"}, {u"4&", u"ヴぇ", u"ヴェ"},
    {u"4!", u"ヴぉ", u"ヴォ"}, {u"4N", u"どぅ", u"ドゥ"},
    {u".N", u"てゅ", u"テュ"}, {u".B", u"ゐ", u"ヰ"}, {u".F", u"ゑ", u"ヱ"},
    {u".*", u"ヵ", u"ヵ"}, {u".$", u"ヶ", u"ヶ"},
    {u"_N", u"でゅ", u"デュ"},
};

class SpecialSound : public Scenario, public ::testing::WithParamInterface<SoundCase> {};

TEST_P(SpecialSound, ConfirmsAsItsKanaWithBothCellsShown) {
  BrailleOn();
  Cells(GetParam().cells);
  EXPECT_EQ(W().lblTENJI.Caption(), GetParam().cells);
  EXPECT_FALSE(S().program.conversion.PrefixPending());
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), ToUtf8(GetParam().text));
  EXPECT_TRUE(Messages().empty());
}

TEST_P(SpecialSound, F7GivesItsKatakana) {
  BrailleOn();
  Cells(GetParam().cells);
  S().Tap(vk::kF7);
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), ToUtf8(GetParam().katakana));
}

// A voicing sign before あ has no entry: its message box takes the composition
// away, and the composition is typed again from its reading.
TEST_P(SpecialSound, SurvivesRetypingAfterAMessageBox) {
  BrailleOn();
  Cells(u"*");
  Cells(GetParam().cells);
  const ustring reading = W().txtIN.Text();
  Script("chord K\nchord F\ntap Enter\n");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(ToUtf8(W().txtIN.Text()), ToUtf8(reading));
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), ToUtf8(u"か" + ustring(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(Sounds, SpecialSound, ::testing::ValuesIn(kSounds));

struct WordCase {
  const char16_t* cells;
  const char16_t* reading;   // the composition
  const char16_t* katakana;  // after F7
};

constexpr WordCase kWords[] = {
    {u"5UBD", u"ふぁいる", u"ファイル"},
    {u"5B0\"TC", u"うぃんどう", u"ウィンドウ"},
    {u"4UBIH0", u"ヴぁいおりん", u"ヴァイオリン"},
    {u"^R?%", u"でぃすく", u"ディスク"},
    {u",U3@R3", u"ぱーてぃー", u"パーティー"},
    {u"_NF1T", u"でゅえっと", u"デュエット"},
    {u"5O3", u"つぁー", u"ツァー"},
};

class LoanWord : public Scenario, public ::testing::WithParamInterface<WordCase> {};

TEST_P(LoanWord, ComposesExactlyAndF7GivesItsKatakana) {
  BrailleOn();
  Cells(GetParam().cells);
  EXPECT_EQ(ToUtf8(W().txtHEN.Text()), ToUtf8(GetParam().reading));
  S().Tap(vk::kF7);
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), ToUtf8(GetParam().katakana));
  EXPECT_TRUE(Messages().empty());
}

TEST_P(LoanWord, SpaceConvertsWithoutAMessage) {
  BrailleOn();
  Cells(GetParam().cells);
  S().Tap(vk::kSpace);
  EXPECT_EQ(static_cast<int>(State().ConvStage), 2);
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), ToUtf8(GetParam().reading));
  EXPECT_TRUE(Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Words, LoanWord, ::testing::ValuesIn(kWords));

struct MarkCase {
  const char16_t* cells;
  const char16_t* text;  // after confirming with N
};

// Each mark cell followed by a cell that completes no sound: the mark, then
// what that cell does on its own, a prefix, a mode cell or another mark included.
constexpr MarkCase kMarks[] = {
    {u"5", u"？"},           {u"4", u"。"},          {u"_", u"かっこ"},
    {u"5A", u"？あ"},        {u"4A", u"。あ"},       {u"_A", u"かっこあ"},
    {u"5*", u"？か"},        {u"4B", u"。い"},       {u"_U", u"かっこは"},
    {u"55B", u"？うぃ"},     {u"45U", u"。ふぁ"},    {u"_4", u"かっこ。"},
    {u"5\"*", u"？が"},      {u"4@*", u"。きゃ"},    {u"_.N", u"かっこてゅ"},
    {u"5#A", u"？１"},       {u"4-", u"。「"},       {u"_8A", u"かっこａ"},
};

class MarkCell : public Scenario, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(MarkCell, TypesItsMarkWhenNoSoundFollows) {
  BrailleOn();
  Cells(GetParam().cells);
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), ToUtf8(GetParam().text));
  EXPECT_TRUE(Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Marks, MarkCell, ::testing::ValuesIn(kMarks));

// The connecting sign ends a number so that a kana of the あ or ら row can
// follow; outside digits the cell is what it was.
TEST_F(Scenario, ConnectingSignEndsTheNumber) {
  BrailleOn();
  Cells(u"#A-F");
  EXPECT_EQ(State().InputMode, 1);
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), "１え");
  Cells(u"#C-E0");
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), "１え３らん");
  Cells(u"-A-");
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), "１え３らん「あ」");
  EXPECT_TRUE(Messages().empty());
}

// 4-6 keeps its semi-voiced contracted sounds, and a cell after it with
// neither gives the message and recovery of any other prefix.
TEST_F(Scenario, SemiVoicedContractedPrefixKeepsItsSoundsAndItsMessage) {
  BrailleOn();
  Cells(u".U.X");
  EXPECT_TRUE(Messages().empty());
  Script("chord JL\nchord F\ntap Enter\n");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_FALSE(S().program.conversion.PrefixPending());
  EXPECT_EQ(ToUtf8(W().txtIN.Text()), "ﾋﾟｬﾋﾟｭ");
  Confirm();
  EXPECT_EQ(ToUtf8(Text()), "ぴゃぴゅ");
}

}  // namespace
}  // namespace orvo::testing
