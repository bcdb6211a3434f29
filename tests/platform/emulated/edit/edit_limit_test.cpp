// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/emulated/edit/edit_control_model.h"

namespace orvo::emu {
namespace {

class EditLimitTest : public ::testing::Test {
 protected:
  EditLimitTest() {
    edit_.SetNoticeSink([this](EditNotice notice) { notices_.push_back(notice); });
  }
  EditControlModel edit_;
  std::vector<EditNotice> notices_;
};

TEST_F(EditLimitTest, PasteIsBoundByTheLimitAndSetTextIsNot) {
  edit_.SetLimit(4);
  edit_.Paste(u"123456");
  EXPECT_EQ(edit_.Text(), u"1234");
  EXPECT_EQ(edit_.Caret(), 4);
  edit_.SetText(u"1234567890");
  EXPECT_EQ(edit_.Text(), u"1234567890");
  EXPECT_EQ(notices_, std::vector{EditNotice::kMaxText});
}

TEST_F(EditLimitTest, FailedGrowthLeavesEverythingAndReportsErrSpace) {
  edit_.SetText(u"abc");
  edit_.SetSel(3, 0);
  edit_.ReplaceSel(u"d");
  edit_.SetModified(false);
  edit_.FailNextGrowth();
  edit_.ReplaceSel(u"e");
  EXPECT_EQ(edit_.Text(), u"abcd");
  EXPECT_EQ(edit_.Caret(), 4);
  EXPECT_FALSE(edit_.Modified());
  EXPECT_EQ(notices_, std::vector{EditNotice::kErrSpace});
  edit_.Undo();  // the undo step from before the failure is intact
  EXPECT_EQ(edit_.Text(), u"abc");
}

TEST_F(EditLimitTest, OnlyGrowthFails) {
  edit_.SetText(u"abc");
  edit_.SetSel(3, 0);
  edit_.FailNextGrowth();
  edit_.Backspace();  // shrinking needs no memory
  EXPECT_EQ(edit_.Text(), u"ab");
  EXPECT_TRUE(notices_.empty());
  edit_.SetText(u"a much longer text");  // the armed failure hits here
  EXPECT_EQ(edit_.Text(), u"ab");
  EXPECT_EQ(notices_, std::vector{EditNotice::kErrSpace});
  edit_.SetText(u"a much longer text");  // and only once
  EXPECT_EQ(edit_.Text(), u"a much longer text");
}

// Bytes on disk as a UTF-8 file with a byte-order mark and LF line ends
// would take them: the mark once, a CR LF as one byte, a pair as four.
long long MarkedUtf8Bytes(ustring_view text) {
  long long bytes = 3;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool next_low = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (c >= 0xD800 && c <= 0xDBFF && next_low) {
      bytes += 4;
      ++i;
    } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      bytes += 1;
      ++i;
    } else {
      bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    }
  }
  return bytes;
}

TEST_F(EditLimitTest, TheMeasureFollowsEveryKindOfChangeAsTheWholeTextCounts) {
  // Pieces that join or split CR LF and surrogate pairs at the edges of a change.
  const ustring_view pieces[] = {u"a", u"あ", u"\r", u"\n", u"\r\n", u"\xD83D", u"\xDE00", u"😀", u"xy\r"};
  edit_.SetLimit(0);
  edit_.SetLimitMeasure(MarkedUtf8Bytes);
  edit_.SetText(u"start\r\n");
  std::mt19937 random(20261210);
  for (int step = 0; step < 3000; ++step) {
    const int size = static_cast<int>(edit_.Text().size());
    const int at = static_cast<int>(random() % static_cast<unsigned>(size + 1));
    const int length = static_cast<int>(random() % 3);
    switch (random() % 5) {
      case 0:
      case 1:
        edit_.SetSel(at, length);
        edit_.ReplaceSel(pieces[random() % std::size(pieces)]);
        break;
      case 2:
        edit_.SetSel(at, 0);
        edit_.Backspace();
        break;
      case 3:
        edit_.SetSel(at, length);
        edit_.Delete();
        break;
      default:
        edit_.Undo();
    }
    ASSERT_EQ(edit_.TextMeasure(), MarkedUtf8Bytes(edit_.Text())) << "step " << step;
  }
  // Measured afresh when the measure itself changes.
  edit_.SetLimitMeasure([](ustring_view text) { return static_cast<long long>(text.size()); });
  EXPECT_EQ(edit_.TextMeasure(), static_cast<long long>(edit_.Text().size()));
}

TEST_F(EditLimitTest, AByteOrderMarkIsCountedOnceWhenInputIsCut) {
  edit_.SetLimit(13);  // the mark and ten letters
  edit_.SetLimitMeasure(MarkedUtf8Bytes);
  edit_.Paste(u"abcdefghijklmnop");
  EXPECT_EQ(edit_.Text(), u"abcdefghij");
  EXPECT_EQ(edit_.TextMeasure(), 13);
  // A replaced selection frees its own bytes, and no more.
  edit_.SetSel(0, 2);
  edit_.ReplaceSel(u"xyz");
  EXPECT_EQ(edit_.Text(), u"xycdefghij");
  // Full: not a byte more, whole characters only.
  edit_.SetSel(1, 1);
  edit_.ReplaceSel(u"あ");
  EXPECT_EQ(edit_.Text(), u"xcdefghij");
  EXPECT_EQ(notices_, (std::vector{EditNotice::kMaxText, EditNotice::kMaxText, EditNotice::kMaxText}));
}

}  // namespace
}  // namespace orvo::emu
