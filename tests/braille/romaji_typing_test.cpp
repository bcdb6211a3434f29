// SPDX-License-Identifier: GPL-3.0-or-later
// The romaji the cell conversion types, sent key by key as the program sends
// it in braille mode, composes the kana a reader expects, and Enter puts it in
// the document.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "braille/tables/cell_tables.h"
#include "braille/tables/prefix_tables.h"
#include "platform/emulated/text_box.h"
#include "frontends/headless/session.h"
#include "platform/keys.h"
#include "support/temp_folder.h"

namespace orvo::braille {
namespace {

struct Spelling {
  ustring_view romaji;
  ustring_view kana;
};

// clang-format off
constexpr Spelling kSpellings[] = {
    {u"A", u"あ"}, {u"I", u"い"}, {u"U", u"う"}, {u"E", u"え"}, {u"O", u"お"},
    {u"KA", u"か"}, {u"KI", u"き"}, {u"KU", u"く"}, {u"KE", u"け"}, {u"KO", u"こ"},
    {u"SA", u"さ"}, {u"SI", u"し"}, {u"SU", u"す"}, {u"SE", u"せ"}, {u"SO", u"そ"},
    {u"TA", u"た"}, {u"TI", u"ち"}, {u"TU", u"つ"}, {u"TE", u"て"}, {u"TO", u"と"},
    {u"NA", u"な"}, {u"NI", u"に"}, {u"NU", u"ぬ"}, {u"NE", u"ね"}, {u"NO", u"の"},
    {u"HA", u"は"}, {u"HI", u"ひ"}, {u"HU", u"ふ"}, {u"HE", u"へ"}, {u"HO", u"ほ"},
    {u"MA", u"ま"}, {u"MI", u"み"}, {u"MU", u"む"}, {u"ME", u"め"}, {u"MO", u"も"},
    {u"RA", u"ら"}, {u"RI", u"り"}, {u"RU", u"る"}, {u"RE", u"れ"}, {u"RO", u"ろ"},
    {u"YA", u"や"}, {u"YU", u"ゆ"}, {u"YO", u"よ"},
    {u"WA", u"わ"}, {u"WO", u"を"}, {u"NN", u"ん"}, {u"XTU", u"っ"},
    {u"GA", u"が"}, {u"GI", u"ぎ"}, {u"GU", u"ぐ"}, {u"GE", u"げ"}, {u"GO", u"ご"},
    {u"ZA", u"ざ"}, {u"ZI", u"じ"}, {u"ZU", u"ず"}, {u"ZE", u"ぜ"}, {u"ZO", u"ぞ"},
    {u"DA", u"だ"}, {u"DI", u"ぢ"}, {u"DU", u"づ"}, {u"DE", u"で"}, {u"DO", u"ど"},
    {u"BA", u"ば"}, {u"BI", u"び"}, {u"BU", u"ぶ"}, {u"BE", u"べ"}, {u"BO", u"ぼ"},
    {u"PA", u"ぱ"}, {u"PI", u"ぴ"}, {u"PU", u"ぷ"}, {u"PE", u"ぺ"}, {u"PO", u"ぽ"},
    {u"VU", u"ヴ"},  // CP932 has no ゔ
    {u"KYA", u"きゃ"}, {u"KYI", u"きぃ"}, {u"KYU", u"きゅ"}, {u"KYE", u"きぇ"}, {u"KYO", u"きょ"},
    {u"SYA", u"しゃ"}, {u"SWI", u"すぃ"}, {u"SYU", u"しゅ"}, {u"SYE", u"しぇ"}, {u"SYO", u"しょ"},
    {u"TYA", u"ちゃ"}, {u"THI", u"てぃ"}, {u"TYU", u"ちゅ"}, {u"TYE", u"ちぇ"}, {u"TYO", u"ちょ"},
    {u"NYA", u"にゃ"}, {u"NYI", u"にぃ"}, {u"NYU", u"にゅ"}, {u"NYE", u"にぇ"}, {u"NYO", u"にょ"},
    {u"HYA", u"ひゃ"}, {u"HYI", u"ひぃ"}, {u"HYU", u"ひゅ"}, {u"HYE", u"ひぇ"}, {u"HYO", u"ひょ"},
    {u"MYA", u"みゃ"}, {u"MYI", u"みぃ"}, {u"MYU", u"みゅ"}, {u"MYE", u"みぇ"}, {u"MYO", u"みょ"},
    {u"RYA", u"りゃ"}, {u"RYI", u"りぃ"}, {u"RYU", u"りゅ"}, {u"RYE", u"りぇ"}, {u"RYO", u"りょ"},
    {u"XA", u"ぁ"}, {u"XI", u"ぃ"}, {u"XU", u"ぅ"}, {u"XE", u"ぇ"}, {u"XO", u"ぉ"},
    {u"XYA", u"ゃ"}, {u"XYU", u"ゅ"}, {u"XYO", u"ょ"},
    {u"GYA", u"ぎゃ"}, {u"GYI", u"ぎぃ"}, {u"GYU", u"ぎゅ"}, {u"GYE", u"ぎぇ"}, {u"GYO", u"ぎょ"},
    {u"ZYA", u"じゃ"}, {u"ZUXI", u"ずぃ"}, {u"ZYU", u"じゅ"}, {u"ZYE", u"じぇ"}, {u"ZYO", u"じょ"},
    {u"DYA", u"ぢゃ"}, {u"DHI", u"でぃ"}, {u"DYU", u"ぢゅ"}, {u"DYE", u"ぢぇ"}, {u"DYO", u"ぢょ"},
    {u"BYA", u"びゃ"}, {u"BYI", u"びぃ"}, {u"BYU", u"びゅ"}, {u"BYE", u"びぇ"}, {u"BYO", u"びょ"},
    {u"PYA", u"ぴゃ"}, {u"PYI", u"ぴぃ"}, {u"PYU", u"ぴゅ"}, {u"PYE", u"ぴぇ"}, {u"PYO", u"ぴょ"},
    {u"KAKKO", u"かっこ"},
    {u"WHI", u"うぃ"}, {u"WHE", u"うぇ"}, {u"WHO", u"うぉ"},
    {u"TSA", u"つぁ"}, {u"TSI", u"つぃ"}, {u"TSE", u"つぇ"}, {u"TSO", u"つぉ"}, {u"TWU", u"とぅ"},
    {u"FWA", u"ふぁ"}, {u"FWI", u"ふぃ"}, {u"FWE", u"ふぇ"}, {u"FWO", u"ふぉ"},
    {u"VA", u"ヴぁ"}, {u"VI", u"ヴぃ"}, {u"VE", u"ヴぇ"}, {u"VO", u"ヴぉ"}, {u"DWU", u"どぅ"},
    {u"THU", u"てゅ"}, {u"DHU", u"でゅ"},
    {u"WYI", u"ゐ"}, {u"WYE", u"ゑ"}, {u"XKA", u"ヵ"}, {u"XKE", u"ヶ"},
    {u"-", u"ー"}, {u",", u"、"}, {u".", u"。"}, {u"!", u"！"}, {u"?", u"？"}, {u"/", u"・"},
    {u"[", u"「"}, {u"]", u"」"}, {u"(", u"（"}, {u")", u"）"}, {u"<", u"＜"}, {u">", u"＞"},
};
// clang-format on

// Every romaji the kana tables can type is spelled out above.
TEST(RomajiTyping, SpellingsCoverTheKanaTables) {
  std::set<ustring_view> spelled;
  for (const Spelling& s : kSpellings) spelled.insert(s.romaji);
  std::set<ustring_view> typed;
  for (const CellText& cell : SingleCells(1)) typed.insert(cell.text);
  for (const BracketCell& cell : BracketCells(1)) typed.insert({cell.open, cell.close});
  for (const PairText& pair : PairCells(1)) typed.insert(pair.text);
  for (ustring_view romaji : typed) EXPECT_TRUE(spelled.contains(romaji)) << ToUtf8(romaji);
}

TEST(RomajiTyping, EachSpellingComposesItsKanaAndEnterConfirmsIt) {
  test_support::TempFolder folder;
  headless::Session s(folder.Path());
  ASSERT_TRUE(s.Start());
  s.Tap(vk::kF1);
  ASSERT_TRUE(s.program.state.BrailleMode);
  ASSERT_TRUE(s.program.state.LatchHeld);
  auto& box = dynamic_cast<emu::TextBox&>(s.Main().ActiveTextBox());
  KeySynth& keys = s.program.keys;
  ustring expected_text;
  for (const Spelling& spelling : kSpellings) {
    SCOPED_TRACE(ToUtf8(spelling.romaji));
    // Each character as its key, with Shift where the layout needs it.
    for (char16_t c : spelling.romaji) {
      const KeyCode key = GET_KEY_CODE(ustring(1, c));
      ASSERT_NE(key.kind, 0);
      if (key.kind == 2) {
        keys.SEND_SHIFT_VK(key.KeyVK, key.KeyScan);
      } else {
        keys.SEND_VK(key.KeyVK, key.KeyScan);
      }
    }
    EXPECT_EQ(ToUtf8(box.Ime().CompositionString()), ToUtf8(spelling.kana));
    // The window's mirror of the IME follows the synthetic keys too.
    EXPECT_EQ(ToUtf8(s.Main().txtHEN.Text()), ToUtf8(spelling.kana));
    keys.SEND_EDIT_KEY(vk::kReturn);
    EXPECT_FALSE(box.Ime().Composing());
    EXPECT_EQ(ToUtf8(s.Main().txtKAN.Text()), ToUtf8(spelling.kana));
    EXPECT_TRUE(s.Main().txtHEN.Text().empty());
    expected_text += spelling.kana;
    EXPECT_EQ(ToUtf8(s.Text()), ToUtf8(expected_text));
  }
  EXPECT_TRUE(s.program.state.LatchHeld);
  EXPECT_FALSE(s.program.state.SynthBusy);
  EXPECT_TRUE(s.program.messages.History().empty());
}

}  // namespace
}  // namespace orvo::braille
