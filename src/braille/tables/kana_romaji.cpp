// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/kana_romaji.h"

#include <algorithm>
#include <span>

namespace orvo::braille {
namespace {

struct KanaKeys {
  ustring_view kana;
  ustring_view romaji;
};

// A run of characters typed as a run of keys: first..last → typed_first...
struct KeyRun {
  char16_t first;
  char16_t last;
  char16_t typed_first;
};

struct OneCharGroup {
  int ime_mode;
  bool shift;
  std::span<const KanaKeys> keys;
  std::span<const KeyRun> runs;
};

constexpr KanaKeys kKana[] = {
    // Marks
    {u"｡", u"."},
    {u"､", u","},
    {u"｢", u"["},
    {u"｣", u"]"},
    {u"ｰ", u"-"},
    {u"･", u"/"},
    // ｱ row
    {u"ｱ", u"A"},
    {u"ｲ", u"I"},
    {u"ｳ", u"U"},
    {u"ｴ", u"E"},
    {u"ｵ", u"O"},
    // ｶ row
    {u"ｶ", u"KA"},
    {u"ｷ", u"KI"},
    {u"ｸ", u"KU"},
    {u"ｹ", u"KE"},
    {u"ｺ", u"KO"},
    // ｻ row
    {u"ｻ", u"SA"},
    {u"ｼ", u"SI"},
    {u"ｽ", u"SU"},
    {u"ｾ", u"SE"},
    {u"ｿ", u"SO"},
    // ﾀ row
    {u"ﾀ", u"TA"},
    {u"ﾁ", u"TI"},
    {u"ﾂ", u"TU"},
    {u"ﾃ", u"TE"},
    {u"ﾄ", u"TO"},
    // ﾅ row
    {u"ﾅ", u"NA"},
    {u"ﾆ", u"NI"},
    {u"ﾇ", u"NU"},
    {u"ﾈ", u"NE"},
    {u"ﾉ", u"NO"},
    // ﾊ row
    {u"ﾊ", u"HA"},
    {u"ﾋ", u"HI"},
    {u"ﾌ", u"HU"},
    {u"ﾍ", u"HE"},
    {u"ﾎ", u"HO"},
    // ﾏ row
    {u"ﾏ", u"MA"},
    {u"ﾐ", u"MI"},
    {u"ﾑ", u"MU"},
    {u"ﾒ", u"ME"},
    {u"ﾓ", u"MO"},
    // ﾔ row
    {u"ﾔ", u"YA"},
    {u"ﾕ", u"YU"},
    {u"ﾖ", u"YO"},
    // ﾗ row
    {u"ﾗ", u"RA"},
    {u"ﾘ", u"RI"},
    {u"ﾙ", u"RU"},
    {u"ﾚ", u"RE"},
    {u"ﾛ", u"RO"},
    // ﾜ, ｦ, ﾝ
    {u"ﾜ", u"WA"},
    {u"ｦ", u"WO"},
    {u"ﾝ", u"NN"},
    // Kana with no half-width form: the reading holds them full-width, as katakana
    {u"ヰ", u"WYI"},
    {u"ヱ", u"WYE"},
    {u"ヵ", u"XKA"},
    {u"ヶ", u"XKE"},
};

// clang-format off
constexpr KanaKeys kUnshifted[] = {
    {u"-", u"-"},
    {u".", u"."},
    {u",", u","},
    {u":", u":"},
    {u";", u";"},
    {u"@", u"@"},
    {u"[", u"["},
    {u"\\", u"\\"},
    {u"]", u"]"},
    {u"^", u"^"},
    {u"/", u"/"},
};
// clang-format on
constexpr KeyRun kUnshiftedRuns[] = {
    {u'0', u'9', u'0'},
    {u'a', u'z', u'A'},
};

// Marks typed with Shift.
// clang-format off
constexpr KanaKeys kShiftedSymbols[] = {
    {u"?", u"/"},
    {u"!", u"1"},
    {u"\"", u"2"},
    {u"&", u"6"},
    {u"(", u"8"},
    {u")", u"9"},
    {u"*", u":"},
    {u"+", u";"},
    {u"<", u","},
    {u"=", u"-"},
    {u">", u"."},
};
// clang-format on

constexpr KanaKeys kShiftedAscii[] = {
    {u"#", u"3"}, {u"$", u"4"},  {u"%", u"5"}, {u"'", u"7"}, {u"`", u"@"},
    {u"{", u"["}, {u"|", u"\\"}, {u"}", u"]"}, {u"~", u"^"},
};
constexpr KeyRun kShiftedAsciiRuns[] = {
    {u'A', u'Z', u'A'},
};

constexpr KanaKeys kSmallKana[] = {
    {u"ｯ", u"XTU"}, {u"ｬ", u"XYA"}, {u"ｭ", u"XYU"}, {u"ｮ", u"XYO"}, {u"ｧ", u"XA"},
    {u"ｨ", u"XI"},  {u"ｩ", u"XU"},  {u"ｪ", u"XE"},  {u"ｫ", u"XO"},  {u" ", u" "},
};

constexpr OneCharGroup kOneCharGroups[] = {
    {orvo::ime_mode::kHiragana, false, kKana, {}},
    {orvo::ime_mode::kAlphaFull, false, kUnshifted, kUnshiftedRuns},
    {orvo::ime_mode::kHiragana, true, kShiftedSymbols, {}},
    {orvo::ime_mode::kAlphaFull, true, kShiftedAscii, kShiftedAsciiRuns},
    {orvo::ime_mode::kHiragana, false, kSmallKana, {}},
};

constexpr KanaKeys kTwoChars[] = {
    // Voiced ｶﾞ row
    {u"ｶﾞ", u"GA"},
    {u"ｷﾞ", u"GI"},
    {u"ｸﾞ", u"GU"},
    {u"ｹﾞ", u"GE"},
    {u"ｺﾞ", u"GO"},
    // Voiced ｻﾞ row
    {u"ｻﾞ", u"ZA"},
    {u"ｼﾞ", u"ZI"},
    {u"ｽﾞ", u"ZU"},
    {u"ｾﾞ", u"ZE"},
    {u"ｿﾞ", u"ZO"},
    // Voiced ﾀﾞ row
    {u"ﾀﾞ", u"DA"},
    {u"ﾁﾞ", u"DI"},
    {u"ﾂﾞ", u"DU"},
    {u"ﾃﾞ", u"DE"},
    {u"ﾄﾞ", u"DO"},
    // Voiced ﾊﾞ row
    {u"ﾊﾞ", u"BA"},
    {u"ﾋﾞ", u"BI"},
    {u"ﾌﾞ", u"BU"},
    {u"ﾍﾞ", u"BE"},
    {u"ﾎﾞ", u"BO"},
    // Semi-voiced ﾊﾟ row
    {u"ﾊﾟ", u"PA"},
    {u"ﾋﾟ", u"PI"},
    {u"ﾌﾟ", u"PU"},
    {u"ﾍﾟ", u"PE"},
    {u"ﾎﾟ", u"PO"},
    // ｳﾞ, ｲｪ
    {u"ｳﾞ", u"VU"},
    {u"ｲｪ", u"YE"},
    // Contracted ｷｬ row
    {u"ｷｬ", u"KYA"},
    {u"ｷｨ", u"KYI"},
    {u"ｷｭ", u"KYU"},
    {u"ｷｪ", u"KYE"},
    {u"ｷｮ", u"KYO"},
    // Contracted ｼｬ row
    {u"ｼｬ", u"SYA"},
    {u"ｼｨ", u"SYI"},
    {u"ｼｭ", u"SYU"},
    {u"ｼｪ", u"SYE"},
    {u"ｼｮ", u"SYO"},
    // Contracted ﾁｬ row
    {u"ﾁｬ", u"TYA"},
    {u"ﾁｨ", u"TYI"},
    {u"ﾁｭ", u"TYU"},
    {u"ﾁｪ", u"TYE"},
    {u"ﾁｮ", u"TYO"},
    // Contracted ﾆｬ row
    {u"ﾆｬ", u"NYA"},
    {u"ﾆｨ", u"NYI"},
    {u"ﾆｭ", u"NYU"},
    {u"ﾆｪ", u"NYE"},
    {u"ﾆｮ", u"NYO"},
    // Contracted ﾋｬ row
    {u"ﾋｬ", u"HYA"},
    {u"ﾋｨ", u"HYI"},
    {u"ﾋｭ", u"HYU"},
    {u"ﾋｪ", u"HYE"},
    {u"ﾋｮ", u"HYO"},
    // Contracted ﾐｬ row
    {u"ﾐｬ", u"MYA"},
    {u"ﾐｨ", u"MYI"},
    {u"ﾐｭ", u"MYU"},
    {u"ﾐｪ", u"MYE"},
    {u"ﾐｮ", u"MYO"},
    // Contracted ﾘｬ row
    {u"ﾘｬ", u"RYA"},
    {u"ﾘｨ", u"RYI"},
    {u"ﾘｭ", u"RYU"},
    {u"ﾘｪ", u"RYE"},
    {u"ﾘｮ", u"RYO"},
    // ﾌｧ row
    {u"ﾌｧ", u"FWA"},
    {u"ﾌｨ", u"FWI"},
    {u"ﾌｩ", u"FWU"},
    {u"ﾌｪ", u"FWE"},
    {u"ﾌｫ", u"FWO"},
    // ｳｧ row
    {u"ｳｧ", u"WHA"},
    {u"ｳｨ", u"WHI"},
    {u"ｳｪ", u"WHE"},
    {u"ｳｫ", u"WHO"},
    // ﾂｧ row
    {u"ﾂｧ", u"TSA"},
    {u"ﾂｨ", u"TSI"},
    {u"ﾂｪ", u"TSE"},
    {u"ﾂｫ", u"TSO"},
    // ｽｧ row
    {u"ｽｧ", u"SWA"},
    {u"ｽｨ", u"SWI"},
    {u"ｽｩ", u"SWU"},
    {u"ｽｪ", u"SWE"},
    {u"ｽｫ", u"SWO"},
    // ﾄｧ row
    {u"ﾄｧ", u"TWA"},
    {u"ﾄｨ", u"TWI"},
    {u"ﾄｩ", u"TWU"},
    {u"ﾄｪ", u"TWE"},
    {u"ﾄｫ", u"TWO"},
    // ﾌｬ row
    {u"ﾌｬ", u"FYA"},
    {u"ﾌｭ", u"FYU"},
    {u"ﾌｮ", u"FYO"},
    // ﾃｬ row
    {u"ﾃｬ", u"THA"},
    {u"ﾃｨ", u"THI"},
    {u"ﾃｭ", u"THU"},
    {u"ﾃｪ", u"THE"},
    {u"ﾃｮ", u"THO"},
};

constexpr KanaKeys kThreeChars[] = {
    // ｳﾞｧ row
    {u"ｳﾞｧ", u"VA"},
    {u"ｳﾞｨ", u"VI"},
    {u"ｳﾞｪ", u"VE"},
    {u"ｳﾞｫ", u"VO"},
    // Contracted voiced ｷﾞｬ row
    {u"ｷﾞｬ", u"GYA"},
    {u"ｷﾞｨ", u"GYI"},
    {u"ｷﾞｭ", u"GYU"},
    {u"ｷﾞｪ", u"GYE"},
    {u"ｷﾞｮ", u"GYO"},
    // Contracted voiced ｼﾞｬ row
    {u"ｼﾞｬ", u"ZYA"},
    {u"ｼﾞｨ", u"ZYI"},
    {u"ｼﾞｭ", u"ZYU"},
    {u"ｼﾞｪ", u"ZYE"},
    {u"ｼﾞｮ", u"ZYO"},
    // Contracted voiced ﾁﾞｬ row
    {u"ﾁﾞｬ", u"DYA"},
    {u"ﾁﾞｨ", u"DYI"},
    {u"ﾁﾞｭ", u"DYU"},
    {u"ﾁﾞｪ", u"DYE"},
    {u"ﾁﾞｮ", u"DYO"},
    // Contracted voiced ﾋﾞｬ row
    {u"ﾋﾞｬ", u"BYA"},
    {u"ﾋﾞｨ", u"BYI"},
    {u"ﾋﾞｭ", u"BYU"},
    {u"ﾋﾞｪ", u"BYE"},
    {u"ﾋﾞｮ", u"BYO"},
    // Contracted semi-voiced ﾋﾟｬ row
    {u"ﾋﾟｬ", u"PYA"},
    {u"ﾋﾟｨ", u"PYI"},
    {u"ﾋﾟｭ", u"PYU"},
    {u"ﾋﾟｪ", u"PYE"},
    {u"ﾋﾟｮ", u"PYO"},
    // ｳﾞｬ row
    {u"ｳﾞｬ", u"VYA"},
    {u"ｳﾞｭ", u"VYU"},
    {u"ｳﾞｮ", u"VYO"},
    // ｸﾞｧ row
    {u"ｸﾞｧ", u"GWA"},
    {u"ｸﾞｨ", u"GWI"},
    {u"ｸﾞｩ", u"GWU"},
    {u"ｸﾞｪ", u"GWE"},
    {u"ｸﾞｫ", u"GWO"},
    // ﾄﾞｧ row
    {u"ﾄﾞｧ", u"DWA"},
    {u"ﾄﾞｨ", u"DWI"},
    {u"ﾄﾞｩ", u"DWU"},
    {u"ﾄﾞｪ", u"DWE"},
    {u"ﾄﾞｫ", u"DWO"},
    // ﾃﾞｬ row
    {u"ﾃﾞｬ", u"DHA"},
    {u"ﾃﾞｨ", u"DHI"},
    {u"ﾃﾞｭ", u"DHU"},
    {u"ﾃﾞｪ", u"DHE"},
    {u"ﾃﾞｮ", u"DHO"},
    // ｽﾞｨ: the IME has no one syllable for it
    {u"ｽﾞｨ", u"ZUXI"},
};

ustring_view Find(std::span<const KanaKeys> table, ustring_view kana) {
  const auto found = std::ranges::find(table, kana, &KanaKeys::kana);
  return found == table.end() ? ustring_view{} : found->romaji;
}

}  // namespace

KanaRomaji LookupKana1(char16_t kana) {
  const ustring_view key(&kana, 1);
  for (const OneCharGroup& group : kOneCharGroups) {
    if (const ustring_view romaji = Find(group.keys, key); !romaji.empty()) {
      return {ustring(romaji), group.ime_mode, group.shift};
    }
    for (const KeyRun& run : group.runs) {
      if (kana >= run.first && kana <= run.last) {
        const auto typed = static_cast<char16_t>(run.typed_first + (kana - run.first));
        return {ustring(1, typed), group.ime_mode, group.shift};
      }
    }
  }
  return {};
}

ustring_view LookupKana2(ustring_view kana) { return Find(kTwoChars, kana); }

ustring_view LookupKana3(ustring_view kana) { return Find(kThreeChars, kana); }

}  // namespace orvo::braille
