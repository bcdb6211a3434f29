// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orvo::emu
