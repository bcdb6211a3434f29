// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/prefix_check.h"

#include <algorithm>

#include "braille/input_mode.h"
#include "braille/tables/named_cells.h"

namespace orvo::braille {
namespace {

using enum PrefixAction;

using namespace input_mode;
constexpr int kAnyLetters = INT_MAX;  // modes past the capitals read as letter modes

constexpr PrefixCell kPrefixCells[] = {
    // Kana
    {kKana, kKana, cells::kVoicing, kWait},
    {kKana, kKana, cells::kContracted, kWait},
    {kKana, kKana, cells::kContractedSemiVoiced, kWait},
    {kKana, kKana, cells::kSemiVoicing, kWait},
    {kKana, kKana, cells::kContractedVoiced, kWait},
    {kKana, kKana, cells::kQuestionOrSpecial, kSignOrPrefix},
    {kKana, kKana, cells::kFullStopOrSpecial, kSignOrPrefix},
    {kKana, kKana, cells::kBracketOrSpecial, kSignOrPrefix},
    {kKana, kKana, cells::kNumberSign, kToDigits},
    {kKana, kKana, cells::kForeignLetters, kToLetters},
    // Digits
    {kDigits, kDigits, cells::kDigitSymbol, kWait},
    {kDigits, kDigits, cells::kNumberSign, kWait},
    {kDigits, kDigits, cells::kForeignLetters, kToLetters},
    {kDigits, kDigits, cells::kBackToKana, kToKana},
    {kDigits, kDigits, cells::kConnecting, kToKana},
    // Letters
    {kLower, kAnyLetters, cells::kLetterSymbol, kWait},
    {kLower, kAnyLetters, cells::kCapitalSign, kCapitalSign},
    {kLower, kAnyLetters, cells::kBackToKana, kToKana},
    {kLower, kAnyLetters, cells::kNumberSign, kToDigits},
    {kCapitals, kCapitals, cells::kForeignLetters, kLeaveCapitals},
    {kLower, kOneCapital, cells::kForeignLetters, kNotPrefix},
};

}  // namespace

std::span<const PrefixCell> PrefixCells() { return kPrefixCells; }

PrefixAction CheckPrefix(int input_mode, char16_t cell) {
  const auto found = std::ranges::find_if(kPrefixCells, [&](const PrefixCell& row) {
    return row.cell == cell && input_mode >= row.first_mode && input_mode <= row.last_mode;
  });
  return found == std::end(kPrefixCells) ? kNone : found->action;
}

}  // namespace orvo::braille
