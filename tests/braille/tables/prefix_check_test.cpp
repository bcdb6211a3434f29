// SPDX-License-Identifier: GPL-3.0-or-later
#include "braille/tables/prefix_check.h"

#include <gtest/gtest.h>

namespace orvo::braille {
namespace {

TEST(PrefixCheck, EachModeKnowsItsPrefixAndModeCells) {
  using enum PrefixAction;
  struct Case {
    int mode;
    char16_t cell;
    PrefixAction action;
  };
  constexpr Case kCases[] = {
      // Kana
      {1, u'"', kWait},
      {1, u'@', kWait},
      {1, u'.', kWait},
      {1, u',', kWait},
      {1, u'^', kWait},
      {1, u'#', kToDigits},
      {1, u'8', kToLetters},
      {1, u'5', kSignOrPrefix},  // ？, or ウィ ツァ ファ …
      {1, u'4', kSignOrPrefix},  // 。, or ヴァ ドゥ
      {1, u'_', kSignOrPrefix},  // KAKKO, or デュ
      {1, u'-', kNone},          // a corner bracket; the connecting sign only ends numbers
      {1, u'0', kNone},  // ん, not a way back
      {1, u';', kNone},
      {1, u'*', kNone},
      // Digits
      {2, u'3', kWait},
      {2, u'#', kWait},
      {2, u'8', kToLetters},
      {2, u'0', kToKana},
      {2, u'-', kToKana},  // the connecting sign: １え
      {2, u'5', kNone},
      {2, u'4', kNone},
      {2, u'"', kNone},
      {2, u',', kNone},
      {2, u'A', kNone},
      // Letters
      {3, u';', kWait},
      {3, u',', kCapitalSign},
      {3, u'0', kToKana},
      {3, u'#', kToDigits},
      {3, u'8', kNotPrefix},
      {3, u'@', kNone},
      {3, u'5', kNone},
      {3, u'-', kNone},
      {4, u',', kCapitalSign},
      {4, u'8', kNotPrefix},
      {5, u',', kCapitalSign},
      {5, u'8', kLeaveCapitals},
      {5, u';', kWait},
      {5, u'0', kToKana},
      // Modes outside the range
      {6, u',', kCapitalSign},
      {6, u'8', kNone},
      {0, u'#', kNone},
      {0, u'"', kNone},
      {-3, u',', kNone},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(CheckPrefix(c.mode, c.cell), c.action)
        << "mode " << c.mode << " cell " << static_cast<char>(c.cell);
  }
}

}  // namespace
}  // namespace orvo::braille
