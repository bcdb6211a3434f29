// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/prefix_tables.h"

#include <algorithm>

#include "braille/tables/named_cells.h"
#include "braille/tables/table_group.h"

namespace orvo::braille {
namespace {

using cells::kBracketOrSpecial;
using cells::kContracted;
using cells::kContractedSemiVoiced;
using cells::kContractedVoiced;
using cells::kFullStopOrSpecial;
using cells::kQuestionOrSpecial;
using cells::kSemiVoicing;
using cells::kVoicing;

// The second cell is always the plain kana's own cell; contracted sounds take
// the consonant of that kana, then Y, then its vowel, except for ち and し.
constexpr PairText kKanaPairs[] = {
    // Voiced が row
    {kVoicing, u'*', u"GA"},
    {kVoicing, u'<', u"GI"},
    {kVoicing, u'%', u"GU"},
    {kVoicing, u'$', u"GE"},
    {kVoicing, u'[', u"GO"},
    // Voiced ざ row
    {kVoicing, u':', u"ZA"},
    {kVoicing, u'\\', u"ZI"},
    {kVoicing, u'?', u"ZU"},
    {kVoicing, u']', u"ZE"},
    {kVoicing, u'W', u"ZO"},
    // Voiced だ row
    {kVoicing, u'O', u"DA"},
    {kVoicing, u'R', u"DI"},
    {kVoicing, u'N', u"DU"},
    {kVoicing, u'Q', u"DE"},
    {kVoicing, u'T', u"DO"},
    // Voiced ば row
    {kVoicing, u'U', u"BA"},
    {kVoicing, u'V', u"BI"},
    {kVoicing, u'X', u"BU"},
    {kVoicing, u'&', u"BE"},
    {kVoicing, u'!', u"BO"},
    // Voiced う, and the voicing cell twice: middle dot
    {kVoicing, u'C', u"VU"},
    {kVoicing, kVoicing, u"/"},
    // Semi-voiced ぱ row
    {kSemiVoicing, u'U', u"PA"},
    {kSemiVoicing, u'V', u"PI"},
    {kSemiVoicing, u'X', u"PU"},
    {kSemiVoicing, u'&', u"PE"},
    {kSemiVoicing, u'!', u"PO"},
    // Contracted きゃ row
    {kContracted, u'*', u"KYA"},
    {kContracted, u'<', u"KYI"},
    {kContracted, u'%', u"KYU"},
    {kContracted, u'$', u"KYE"},
    {kContracted, u'[', u"KYO"},
    // Contracted しゃ row; with し itself: スィ
    {kContracted, u':', u"SYA"},
    {kContracted, u'\\', u"SWI"},
    {kContracted, u'?', u"SYU"},
    {kContracted, u']', u"SYE"},
    {kContracted, u'W', u"SYO"},
    // Contracted ちゃ row; with ち itself: ティ
    {kContracted, u'O', u"TYA"},
    {kContracted, u'R', u"THI"},
    {kContracted, u'N', u"TYU"},
    {kContracted, u'Q', u"TYE"},
    {kContracted, u'T', u"TYO"},
    // Contracted にゃ row
    {kContracted, u'K', u"NYA"},
    {kContracted, u'L', u"NYI"},
    {kContracted, u'M', u"NYU"},
    {kContracted, u'P', u"NYE"},
    {kContracted, u'S', u"NYO"},
    // Contracted ひゃ row
    {kContracted, u'U', u"HYA"},
    {kContracted, u'V', u"HYI"},
    {kContracted, u'X', u"HYU"},
    {kContracted, u'&', u"HYE"},
    {kContracted, u'!', u"HYO"},
    // Contracted みゃ row
    {kContracted, u'Z', u"MYA"},
    {kContracted, u'(', u"MYI"},
    {kContracted, u'Y', u"MYU"},
    {kContracted, u'=', u"MYE"},
    {kContracted, u')', u"MYO"},
    // Contracted りゃ row
    {kContracted, u'E', u"RYA"},
    {kContracted, u'H', u"RYI"},
    {kContracted, u'D', u"RYU"},
    {kContracted, u'G', u"RYE"},
    {kContracted, u'J', u"RYO"},
    // Small vowels
    {kContractedVoiced, u'A', u"XA"},
    {kContractedVoiced, u'B', u"XI"},
    {kContractedVoiced, u'C', u"XU"},
    {kContractedVoiced, u'F', u"XE"},
    {kContractedVoiced, u'I', u"XO"},
    // Small や row
    {kContractedVoiced, u'/', u"XYA"},
    {kContractedVoiced, u'+', u"XYU"},
    {kContractedVoiced, u'>', u"XYO"},
    // Contracted voiced ぎゃ row
    {kContractedVoiced, u'*', u"GYA"},
    {kContractedVoiced, u'<', u"GYI"},
    {kContractedVoiced, u'%', u"GYU"},
    {kContractedVoiced, u'$', u"GYE"},
    {kContractedVoiced, u'[', u"GYO"},
    // Contracted voiced じゃ row; with し itself: ズィ
    {kContractedVoiced, u':', u"ZYA"},
    {kContractedVoiced, u'\\', u"ZUXI"},
    {kContractedVoiced, u'?', u"ZYU"},
    {kContractedVoiced, u']', u"ZYE"},
    {kContractedVoiced, u'W', u"ZYO"},
    // Contracted voiced ぢゃ row; with ち itself: ディ
    {kContractedVoiced, u'O', u"DYA"},
    {kContractedVoiced, u'R', u"DHI"},
    {kContractedVoiced, u'N', u"DYU"},
    {kContractedVoiced, u'Q', u"DYE"},
    {kContractedVoiced, u'T', u"DYO"},
    // Contracted voiced びゃ row
    {kContractedVoiced, u'U', u"BYA"},
    {kContractedVoiced, u'V', u"BYI"},
    {kContractedVoiced, u'X', u"BYU"},
    {kContractedVoiced, u'&', u"BYE"},
    {kContractedVoiced, u'!', u"BYO"},
    // Contracted semi-voiced ぴゃ row
    {kContractedSemiVoiced, u'U', u"PYA"},
    {kContractedSemiVoiced, u'V', u"PYI"},
    {kContractedSemiVoiced, u'X', u"PYU"},
    {kContractedSemiVoiced, u'&', u"PYE"},
    {kContractedSemiVoiced, u'!', u"PYO"},
    // Dots 4-6 with つ: テュ; with い, え: ゐ, ゑ; with か, け: small ヵ, ヶ
    {kContractedSemiVoiced, u'N', u"THU"},
    {kContractedSemiVoiced, u'B', u"WYI"},
    {kContractedSemiVoiced, u'F', u"WYE"},
    {kContractedSemiVoiced, u'*', u"XKA"},
    {kContractedSemiVoiced, u'$', u"XKE"},
    // Special sounds after dots 2-6: ウィ ウェ ウォ
    {kQuestionOrSpecial, u'B', u"WHI"},
    {kQuestionOrSpecial, u'F', u"WHE"},
    {kQuestionOrSpecial, u'I', u"WHO"},
    // ツァ ツィ ツェ ツォ, and トゥ with つ
    {kQuestionOrSpecial, u'O', u"TSA"},
    {kQuestionOrSpecial, u'R', u"TSI"},
    {kQuestionOrSpecial, u'Q', u"TSE"},
    {kQuestionOrSpecial, u'T', u"TSO"},
    {kQuestionOrSpecial, u'N', u"TWU"},
    // ファ フィ フェ フォ
    {kQuestionOrSpecial, u'U', u"FWA"},
    {kQuestionOrSpecial, u'V', u"FWI"},
    {kQuestionOrSpecial, u'&', u"FWE"},
    {kQuestionOrSpecial, u'!', u"FWO"},
    // After dots 2-5-6: ヴァ ヴィ ヴェ ヴォ, and ドゥ with つ
    {kFullStopOrSpecial, u'U', u"VA"},
    {kFullStopOrSpecial, u'V', u"VI"},
    {kFullStopOrSpecial, u'&', u"VE"},
    {kFullStopOrSpecial, u'!', u"VO"},
    {kFullStopOrSpecial, u'N', u"DWU"},
    // After dots 4-5-6: デュ
    {kBracketOrSpecial, u'N', u"DHU"},
};

constexpr PairText kDigitPairs[] = {
    {cells::kDigitSymbol, cells::kDigitSymbol, u"="},
    {cells::kNumberSign, u'\'', u"'"},
};

// clang-format off
constexpr PairText kLetterPairs[] = {
    {cells::kLetterSymbol, u'P', u"%"},
    {cells::kLetterSymbol, u'&', u"&"},
    {cells::kLetterSymbol, u'%', u"#"},
    {cells::kLetterSymbol, u'*', u"*"},
    {cells::kLetterSymbol, u'\\', u"\\"},
    {cells::kLetterSymbol, u'$', u"$"},
    {cells::kLetterSymbol, u'@', u"@"},
};
// clang-format on

}  // namespace

std::span<const PairText> PairCells(int input_mode) {
  switch (GroupOf(input_mode)) {
    case TableGroup::kKana:
      return kKanaPairs;
    case TableGroup::kDigits:
      return kDigitPairs;
    case TableGroup::kLetters:
      return kLetterPairs;
    case TableGroup::kNone:
      break;
  }
  return {};
}

ustring_view LookupPair(int input_mode, char16_t prefix, char16_t cell) {
  const auto pairs = PairCells(input_mode);
  const auto found = std::ranges::find_if(
      pairs, [&](const PairText& row) { return row.prefix == prefix && row.cell == cell; });
  return found == pairs.end() ? ustring_view{} : found->text;
}

}  // namespace orvo::braille
