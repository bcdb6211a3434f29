// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each cell group types, and the reading the IME shows for it, held as
// runs: the n-th cell types the n-th word and shows the n-th reading.
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace orvo::braille::cases {

struct CellRun {
  int mode;
  char16_t prefix;  // 0: cells on their own
  std::u16string_view cells;
  std::u16string_view typed;     // space-separated
  std::u16string_view readings;  // space-separated
};

inline constexpr CellRun kSingleRuns[] = {
    {1, 0, u"ABCFI", u"A I U E O", u"ｱ ｲ ｳ ｴ ｵ"},
    {1, 0, u"*<%$[", u"KA KI KU KE KO", u"ｶ ｷ ｸ ｹ ｺ"},
    {1, 0, u":\\?]W", u"SA SI SU SE SO", u"ｻ ｼ ｽ ｾ ｿ"},
    {1, 0, u"ORNQT", u"TA TI TU TE TO", u"ﾀ ﾁ ﾂ ﾃ ﾄ"},
    {1, 0, u"KLMPS", u"NA NI NU NE NO", u"ﾅ ﾆ ﾇ ﾈ ﾉ"},
    {1, 0, u"UVX&!", u"HA HI HU HE HO", u"ﾊ ﾋ ﾌ ﾍ ﾎ"},
    {1, 0, u"Z(Y=)", u"MA MI MU ME MO", u"ﾏ ﾐ ﾑ ﾒ ﾓ"},
    {1, 0, u"EHDGJ", u"RA RI RU RE RO", u"ﾗ ﾘ ﾙ ﾚ ﾛ"},
    {1, 0, u"/+>", u"YA YU YO", u"ﾔ ﾕ ﾖ"},
    {1, 0, u"'901", u"WA WO NN XTU", u"ﾜ ｦ ﾝ ｯ"},
    {1, 0, u"3;465_", u"- , . ! ? KAKKO", u"ｰ ､ ｡ ! ? ｶｯｺ"},
    {2, 0, u"JABCDEFGHI", u"0 1 2 3 4 5 6 7 8 9", u"0 1 2 3 4 5 6 7 8 9"},
    {2, 0, u";4'159*/", u", . , . + - * /", u", . , . + - * /"},
    {3, 0, u"ABCDEFGHIJ", u"A B C D E F G H I J", u"a b c d e f g h i j"},
    {3, 0, u"KLMNOPQRST", u"K L M N O P Q R S T", u"k l m n o p q r s t"},
    {3, 0, u"UVXYZW", u"U V X Y Z W", u"u v x y z w"},
    {3, 0, u"148-6'23", u", . ? - ! ' ; :", u", . ? - ! ' ; :"},
};

inline constexpr CellRun kPairRuns[] = {
    {1, u'"', u"*<%$[", u"GA GI GU GE GO", u"ｶﾞ ｷﾞ ｸﾞ ｹﾞ ｺﾞ"},
    {1, u'"', u":\\?]W", u"ZA ZI ZU ZE ZO", u"ｻﾞ ｼﾞ ｽﾞ ｾﾞ ｿﾞ"},
    {1, u'"', u"ORNQT", u"DA DI DU DE DO", u"ﾀﾞ ﾁﾞ ﾂﾞ ﾃﾞ ﾄﾞ"},
    {1, u'"', u"UVX&!", u"BA BI BU BE BO", u"ﾊﾞ ﾋﾞ ﾌﾞ ﾍﾞ ﾎﾞ"},
    {1, u'"', u"C\"", u"VU /", u"ｳﾞ ･"},
    {1, u',', u"UVX&!", u"PA PI PU PE PO", u"ﾊﾟ ﾋﾟ ﾌﾟ ﾍﾟ ﾎﾟ"},
    {1, u'@', u"*<%$[", u"KYA KYI KYU KYE KYO", u"ｷｬ ｷｨ ｷｭ ｷｪ ｷｮ"},
    {1, u'@', u":\\?]W", u"SYA SWI SYU SYE SYO", u"ｼｬ ｽｨ ｼｭ ｼｪ ｼｮ"},
    {1, u'@', u"ORNQT", u"TYA THI TYU TYE TYO", u"ﾁｬ ﾃｨ ﾁｭ ﾁｪ ﾁｮ"},
    {1, u'@', u"KLMPS", u"NYA NYI NYU NYE NYO", u"ﾆｬ ﾆｨ ﾆｭ ﾆｪ ﾆｮ"},
    {1, u'@', u"UVX&!", u"HYA HYI HYU HYE HYO", u"ﾋｬ ﾋｨ ﾋｭ ﾋｪ ﾋｮ"},
    {1, u'@', u"Z(Y=)", u"MYA MYI MYU MYE MYO", u"ﾐｬ ﾐｨ ﾐｭ ﾐｪ ﾐｮ"},
    {1, u'@', u"EHDGJ", u"RYA RYI RYU RYE RYO", u"ﾘｬ ﾘｨ ﾘｭ ﾘｪ ﾘｮ"},
    {1, u'^', u"ABCFI", u"XA XI XU XE XO", u"ｧ ｨ ｩ ｪ ｫ"},
    {1, u'^', u"/+>", u"XYA XYU XYO", u"ｬ ｭ ｮ"},
    {1, u'^', u"*<%$[", u"GYA GYI GYU GYE GYO", u"ｷﾞｬ ｷﾞｨ ｷﾞｭ ｷﾞｪ ｷﾞｮ"},
    {1, u'^', u":\\?]W", u"ZYA ZUXI ZYU ZYE ZYO", u"ｼﾞｬ ｽﾞｨ ｼﾞｭ ｼﾞｪ ｼﾞｮ"},
    {1, u'^', u"ORNQT", u"DYA DHI DYU DYE DYO", u"ﾁﾞｬ ﾃﾞｨ ﾁﾞｭ ﾁﾞｪ ﾁﾞｮ"},
    {1, u'^', u"UVX&!", u"BYA BYI BYU BYE BYO", u"ﾋﾞｬ ﾋﾞｨ ﾋﾞｭ ﾋﾞｪ ﾋﾞｮ"},
    {1, u'.', u"UVX&!", u"PYA PYI PYU PYE PYO", u"ﾋﾟｬ ﾋﾟｨ ﾋﾟｭ ﾋﾟｪ ﾋﾟｮ"},
    {2, u'3', u"3", u"=", u"="},
    {2, u'#', u"'", u"'", u"'"},
    {3, u';', u"P&%*\\$@", u"% & # * \\ $ @", u"% & # * \\ $ @"},
};

// The special sounds of loanwords, beyond the pairs above. ゐ ゑ ヵ ヶ have no
// half-width form: their readings hold them as full-width katakana.
inline constexpr CellRun kSpecialRuns[] = {
    {1, u'5', u"BFI", u"WHI WHE WHO", u"ｳｨ ｳｪ ｳｫ"},
    {1, u'5', u"ORQTN", u"TSA TSI TSE TSO TWU", u"ﾂｧ ﾂｨ ﾂｪ ﾂｫ ﾄｩ"},
    {1, u'5', u"UV&!", u"FWA FWI FWE FWO", u"ﾌｧ ﾌｨ ﾌｪ ﾌｫ"},
    {1, u'4', u"UV&!N", u"VA VI VE VO DWU", u"ｳﾞｧ ｳﾞｨ ｳﾞｪ ｳﾞｫ ﾄﾞｩ"},
    {1, u'.', u"NBF*$", u"THU WYI WYE XKA XKE", u"ﾃｭ ヰ ヱ ヵ ヶ"},
    {1, u'_', u"N", u"DHU", u"ﾃﾞｭ"},
};

inline std::vector<std::u16string> Words(std::u16string_view text) {
  std::vector<std::u16string> words;
  for (std::size_t at = 0; at <= text.size();) {
    std::size_t end = text.find(u' ', at);
    if (end == std::u16string_view::npos) end = text.size();
    if (end > at) words.emplace_back(text.substr(at, end - at));
    at = end + 1;
  }
  return words;
}

inline std::string U8(std::u16string_view text) { return ToUtf8(text); }

}  // namespace orvo::braille::cases
