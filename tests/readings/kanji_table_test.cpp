// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded kanji table: every kanji of the character set the documents
// are written in, one description each, every one of them readable by any voice.
#include "readings/kanji_table.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace orvo::readings {
namespace {

// Every kanji of JIS X 0208 (rows 16 to 84), found by decoding each of its
// codes with the system's own converter (EUC-JP by iconv on Linux, the same
// codes in Shift-JIS by Windows' code page 932): the set does not come from
// the table under test.
#if defined(_WIN32)
std::vector<char32_t> JisX0208Kanji() {
  std::vector<char32_t> kanji;
  for (int row = 16; row <= 84; ++row) {
    for (int cell = 1; cell <= 94; ++cell) {
      // JIS row and cell to Shift-JIS: two rows share a lead byte.
      const int lead = (row + 0x21) / 2 + (row <= 62 ? 0x70 : 0xB0);
      const int trail = row % 2 == 1 ? cell + (cell <= 63 ? 0x3F : 0x40) : cell + 0x9E;
      const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t out[2] = {};
      if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, in, 2, out, 2) == 1) kanji.push_back(out[0]);
    }
  }
  return kanji;
}
#else
std::vector<char32_t> JisX0208Kanji() {
  std::vector<char32_t> kanji;
  iconv_t cd = iconv_open("UTF-32LE", "EUC-JP");
  if (cd == reinterpret_cast<iconv_t>(-1)) return kanji;
  for (int row = 16; row <= 84; ++row) {
    for (int cell = 1; cell <= 94; ++cell) {
      char in[2] = {static_cast<char>(0xA0 + row), static_cast<char>(0xA0 + cell)};
      char32_t out = 0;
      char* in_p = in;
      char* out_p = reinterpret_cast<char*>(&out);
      std::size_t in_left = 2, out_left = 4;
      if (iconv(cd, &in_p, &in_left, &out_p, &out_left) != static_cast<std::size_t>(-1) &&
          out_left == 0) {
        kanji.push_back(out);
      }
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return kanji;
}
#endif

bool Readable(char16_t c) {
  return (c >= u'ァ' && c <= u'ヶ') || c == u'ー' || c == u' ' || (c >= u'0' && c <= u'9');
}

// A long vowel is one ー; a vowel after it is a sound of its own (フーウ, not フーー).
bool SaysEachSoundOnce(std::u16string_view said) {
  return said.find(u"ーー") == std::u16string_view::npos;
}

TEST(KanjiTable, DescribesEveryKanjiOfJisX0208) {
  const std::vector<char32_t> jis = JisX0208Kanji();
  ASSERT_EQ(jis.size(), 6355u);
  for (char32_t k : jis) EXPECT_NE(FindKanji(k), nullptr) << std::hex << static_cast<unsigned>(k);
}

TEST(KanjiTable, HoldsTheJoyoAndJinmeiyoSets) {
  std::size_t joyo = 0, jinmeiyo = 0, joyo_by_common_word = 0, jinmeiyo_by_common_word = 0;
  for (const KanjiRow& row : KanjiRows()) {
    joyo += row.set == 'j';
    jinmeiyo += row.set == 'n';
    joyo_by_common_word += row.set == 'j' && row.standing == 'c';
    jinmeiyo_by_common_word += row.set == 'n' && row.standing == 'c';
  }
  EXPECT_EQ(joyo, 2136u);
  EXPECT_EQ(jinmeiyo, 863u);
  EXPECT_EQ(joyo_by_common_word, 2136u - 33u);
  // Most jinmeiyō kanji are names' kanji that no common word holds.
  EXPECT_GE(jinmeiyo_by_common_word, 352u);
}

// The jōyō kanji that EDICT marks common in no word, not even through a word's
// kana spelling: each is explained by another word of the dictionary (or, 朕,
// by its reading alone). Every other jōyō kanji is explained by a common word.
constexpr std::u16string_view kJoyoInNoCommonWord =
    u"串冶咽哺嗣壱媛孔弐怨恣恭慄憬曽朕栃沃淫璽羞臼舷茨蔽薫訃諧謁貞辣采隻";

TEST(KanjiTable, EveryJoyoKanjiThatACommonWordHoldsIsExplainedByOne) {
  ASSERT_EQ(kJoyoInNoCommonWord.size(), 33u);
  for (const KanjiRow& row : KanjiRows()) {
    if (row.set != 'j') continue;
    const bool in_no_common_word =
        row.kanji < 0x10000 &&
        kJoyoInNoCommonWord.find(static_cast<char16_t>(row.kanji)) != std::u16string_view::npos;
    EXPECT_EQ(row.standing == 'c', !in_no_common_word) << ToUtf8(row.said);
  }
}

TEST(KanjiTable, EachKanjiHasOneDescriptionOfItsOwnThatAnyVoiceReads) {
  std::set<std::u16string_view> said;
  char32_t previous = 0;
  for (const KanjiRow& row : KanjiRows()) {
    EXPECT_GT(row.kanji, previous)
        << "out of order or twice: " << std::hex << static_cast<unsigned>(row.kanji);
    previous = row.kanji;
    EXPECT_TRUE(said.insert(row.said).second) << ToUtf8(row.said) << " twice";
    for (char16_t c : row.said) EXPECT_TRUE(Readable(c)) << ToUtf8(row.said);
    EXPECT_TRUE(SaysEachSoundOnce(row.said)) << ToUtf8(row.said);
    if (row.standing == 'r' || row.standing == 'v') {
      EXPECT_TRUE(row.word.empty());
      continue;
    }
    // The word holds the kanji, and the description says the word, then ノ.
    ustring kanji;
    if (row.kanji >= 0x10000) {
      kanji += static_cast<char16_t>(0xD800 + ((row.kanji - 0x10000) >> 10));
      kanji += static_cast<char16_t>(0xDC00 + ((row.kanji - 0x10000) & 0x3FF));
    } else {
      kanji += static_cast<char16_t>(row.kanji);
    }
    EXPECT_NE(row.word.find(kanji), std::u16string_view::npos) << ToUtf8(row.word);
    EXPECT_NE(row.said.find(u"ノ "), std::u16string_view::npos) << ToUtf8(row.said);
  }
}

// An old form of a jōyō kanji that no common word holds is heard as the form
// everyone knows, not as a rare word spelled the old way.
TEST(KanjiTable, AnOldFormIsSaidAsTheJoyoKanjiItStandsFor) {
  const std::pair<char32_t, char32_t> forms[] = {{U'國', U'国'}, {U'實', U'実'}, {U'廣', U'広'}};
  for (auto [old_form, joyo] : forms) {
    const KanjiRow* old_row = FindKanji(old_form);
    const KanjiRow* joyo_row = FindKanji(joyo);
    ASSERT_NE(old_row, nullptr);
    ASSERT_NE(joyo_row, nullptr);
    EXPECT_EQ(old_row->standing, 'v');
    EXPECT_EQ(old_row->said, ustring(joyo_row->said) + u"ノ イタイジ");
  }
}

TEST(KanjiTable, HomophoneSetsAreToldApartByCommonWords) {
  const std::u16string_view sets[] = {
      u"日火非比飛", u"本奔", u"意胃異医衣", u"橋箸端", u"機期器記気", u"公校高考", u"市氏死詩四",
      u"会回絵貝",
      // Kanji whose one common word is the kanji alone, with a homophone (虎
      // and 柿 are explained by a reviewed word).
      u"虎寅", u"柿牡", u"雨飴"};
  for (std::u16string_view set : sets) {
    std::set<std::u16string_view> said;
    for (char16_t k : set) {
      const KanjiRow* row = FindKanji(k);
      ASSERT_NE(row, nullptr) << ToUtf8(ustring(1, k));
      EXPECT_EQ(row->standing, 'c') << ToUtf8(ustring(1, k));
      said.insert(row->said);
    }
    EXPECT_EQ(said.size(), set.size()) << ToUtf8(ustring(set));
  }
}

// The word a description names, as it sounds: what comes before "ノ ".
std::u16string_view WordSound(const KanjiRow& row) { return row.said.substr(0, row.said.rfind(u"ノ ")); }

std::u32string Wide(std::u16string_view text) {
  std::u32string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
      out += 0x10000 + ((char32_t{c} - 0xD800) << 10) + (char32_t{text[++i]} - 0xDC00);
    } else {
      out += c;
    }
  }
  return out;
}

// One word for both (不明 for 不 and 明), or one word in two forms: one holds
// a compatibility form of the other's kanji (尼僧 and 尼僧 with U+FA31).
bool SameWord(const KanjiRow& a, const KanjiRow& b) {
  const auto compatibility = [](char32_t c) { return c >= 0xF900 && c <= 0xFAFF; };
  const std::u32string wa = Wide(a.word), wb = Wide(b.word);
  if (wa.size() != wb.size()) return false;
  for (std::size_t i = 0; i < wa.size(); ++i) {
    const bool other_form = (wb[i] == b.kanji && compatibility(b.kanji)) || (wa[i] == a.kanji && compatibility(a.kanji));
    if (wa[i] != wb[i] && !other_form) return false;
  }
  return true;
}

// Where a jōyō kanji's word sounds like another kanji's different word (矯正
// and 匡正, 虎 and 寅, 柿 and 牡蠣), only the reading after it tells them apart.
// The pairs left are jinmeiyō kanji whose one word sounds so, and 瘦, the
// other form of 痩, in the same word.
TEST(KanjiTable, AJoyoKanjisWordSoundsLikeNoOtherWord) {
  const std::set<std::u32string_view> left = {U"丞昇", U"唱禎", U"先秦", U"秦進", U"痩瘦"};
  std::vector<const KanjiRow*> named;
  for (const KanjiRow& row : KanjiRows()) {
    if ((row.set == 'j' || row.set == 'n') && !row.word.empty()) named.push_back(&row);
  }
  for (const KanjiRow* a : named) {
    if (a->set != 'j') continue;
    for (const KanjiRow* b : named) {
      if (b == a || SameWord(*a, *b) || WordSound(*b) != WordSound(*a)) continue;
      std::u32string pair{a->kanji, b->kanji};
      std::sort(pair.begin(), pair.end());
      EXPECT_TRUE(left.contains(pair)) << ToUtf8(a->said) << " / " << ToUtf8(b->said);
    }
  }
}

}  // namespace
}  // namespace orvo::readings
