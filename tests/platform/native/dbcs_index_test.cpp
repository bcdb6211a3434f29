// SPDX-License-Identifier: GPL-3.0-or-later
// Positions in UTF-16 elements and double-byte units, and what a limit lets in.
#include "platform/native/dbcs_index.h"

#include <gtest/gtest.h>

#include "platform/native/limit_fit.h"
#include "platform/native/nul_shown.h"

namespace orvo::native {
namespace {

TEST(DbcsIndex, ConvertsBothWaysAndClamps) {
  const DbcsIndex index(u"aあｱ\r\n漢");  // widths 1 2 1 1 1 2
  EXPECT_EQ(index.Size(), 6);
  EXPECT_EQ(index.TotalDbcs(), 8);
  struct Case {
    int pos;
    int dbcs;
  };
  const Case to_dbcs[] = {{-3, 0}, {0, 0}, {1, 1}, {2, 3}, {3, 4}, {5, 6}, {6, 8}, {99, 8}};
  for (const Case& c : to_dbcs) EXPECT_EQ(index.DbcsOf(c.pos), c.dbcs) << c.pos;
  const Case to_pos[] = {{0, -1}, {0, 0}, {1, 1}, {1, 2}, {2, 3}, {5, 6}, {5, 7}, {6, 8}, {6, 50}};
  for (const Case& c : to_pos) EXPECT_EQ(index.PositionOf(c.dbcs), c.pos) << c.dbcs;
  const DbcsIndex empty;
  EXPECT_EQ(empty.PositionOf(3), 0);
  EXPECT_EQ(empty.DbcsOf(3), 0);
}

TEST(LimitFit, WholeCharactersByUnitsOrByTheMeasure) {
  // Bytes on disk in UTF-8, say: three for a kana.
  const LimitMeasure utf8 = [](ustring_view text) {
    return static_cast<long long>(ToUtf8(text).size());
  };
  struct Case {
    const char16_t* text;
    long long room;
    bool measured;
    const char16_t* fits;
  };
  const Case cases[] = {
      {u"abc", 3, false, u"abc"},     {u"abc", 2, false, u"ab"},
      {u"aあ", 2, false, u"a"},       {u"a\r\nb", 2, false, u"a"},
      {u"a\U00020BB7", 4, false, u"a"}, {u"x", -1, false, u""},
      {u"aあい", 4, true, u"aあ"},    {u"a\r\nb", 2, true, u"a"},
      {u"\U00020BB7", 3, true, u""},  {u"あ", 3, true, u"あ"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitToLimit(c.text, c.room, c.measured ? utf8 : LimitMeasure{}), ustring_view(c.fits))
        << ToUtf8(c.text) << " in " << c.room;
  }
}

TEST(LimitFit, NulCharactersAreShownNotEndings) {
  EXPECT_EQ(WithNulShown(ustring(u"a\0b\0", 4)), u"a\u2400b\u2400");
  EXPECT_EQ(WithNulShown(u"あ"), u"あ");
}

}  // namespace
}  // namespace orvo::native
