// SPDX-License-Identifier: GPL-3.0-or-later
// The case table searches use is the same on both systems: ICU's simple
// upper case on Linux, Windows' linguistic casing there. Windows' other
// table (the file system's, LCMapStringEx without LCMAP_LINGUISTIC_CASING)
// differs on exactly these 27 letters, so they tell which table is in use.
#include "platform/letter_case.h"

#include <gtest/gtest.h>

namespace orvo {
namespace {

struct Letter {
  char16_t lower;
  char16_t upper;
};

// µ ı ſ ǅ ǈ ǋ ǲ ͅ ς ϐ ϑ ϕ ϖ ϰ ϱ ϵ, the old Cyrillic forms ᲀ-ᲈ, ẛ and ι.
constexpr Letter kLinguisticOnly[] = {
    {0x00B5, 0x039C}, {0x0131, 0x0049}, {0x017F, 0x0053}, {0x01C5, 0x01C4}, {0x01C8, 0x01C7}, {0x01CB, 0x01CA},
    {0x01F2, 0x01F1}, {0x0345, 0x0399}, {0x03C2, 0x03A3}, {0x03D0, 0x0392}, {0x03D1, 0x0398}, {0x03D5, 0x03A6},
    {0x03D6, 0x03A0}, {0x03F0, 0x039A}, {0x03F1, 0x03A1}, {0x03F5, 0x0395}, {0x1C80, 0x0412}, {0x1C81, 0x0414},
    {0x1C82, 0x041E}, {0x1C83, 0x0421}, {0x1C84, 0x0422}, {0x1C85, 0x0422}, {0x1C86, 0x042A}, {0x1C87, 0x0462},
    {0x1C88, 0xA64A}, {0x1E9B, 0x1E60}, {0x1FBE, 0x0399},
};

TEST(LetterCase, TheLettersTheTwoWindowsTablesDisagreeOnTakeTheLinguisticUpperCase) {
  for (const Letter& letter : kLinguisticOnly) {
    EXPECT_EQ(UpperCaseSameLength(ustring(1, letter.lower)), ustring(1, letter.upper))
        << std::hex << static_cast<int>(letter.lower);
  }
  // The whole text at once gives what each letter gives alone.
  ustring all;
  ustring upper;
  for (const Letter& letter : kLinguisticOnly) {
    all += letter.lower;
    upper += letter.upper;
  }
  EXPECT_EQ(UpperCaseSameLength(all), upper);
}

TEST(LetterCase, KeepsLengthAndPlaces) {
  EXPECT_EQ(UpperCaseSameLength(u"ǆemal ﬀ ß"), u"ǄEMAL ﬀ ß");  // ﬀ and ß have no one-letter upper case
  EXPECT_EQ(UpperCaseSameLength(u""), u"");
  EXPECT_EQ(UpperCaseSameLength(ustring(u"\xDC00x")), ustring(u"\xDC00X"));
}

}  // namespace
}  // namespace orvo
