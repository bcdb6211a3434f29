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

TEST_F(EditLimitTest, DefaultAndMaximumLimits) {
  EXPECT_EQ(edit_.Limit(), 30000);
  edit_.SetLimit(60000);
  EXPECT_EQ(edit_.Limit(), 60000);
  edit_.SetLimit(0);
  EXPECT_EQ(edit_.Limit(), EditControlModel::kMaximumLimit);
}

TEST_F(EditLimitTest, InputBeyondTheLimitIsCutAndReported) {
  struct Case {
    const char16_t* text;
    int start;  // selection replaced
    int length;
    int limit;
    const char16_t* typed;
    const char16_t* result;
    bool reported;
  };
  const Case cases[] = {
      {u"abc", 3, 0, 5, u"de", u"abcde", false},  // exactly fills
      {u"abc", 3, 0, 5, u"def", u"abcde", true},
      {u"abc", 3, 0, 4, u"あ", u"abc", true},     // a full-width character never half fits
      {u"abc", 3, 0, 5, u"ｱあ", u"abcｱ", true},   // half-width kana is one unit
      {u"abc", 3, 0, 4, u"\r\nx", u"abc", true},  // a break never half fits
      {u"abc", 3, 0, 5, u"x\U00020BB7", u"abcx", true},
      {u"abc", 1, 2, 4, u"xyz", u"axyz", false},   // the selection's room counts
      {u"abcdef", 0, 1, 3, u"z", u"bcdef", true},  // already over: the selection still goes
  };
  for (const Case& c : cases) {
    edit_.SetText(c.text);
    edit_.SetLimit(c.limit);
    edit_.SetSel(c.start, c.length);
    notices_.clear();
    edit_.ReplaceSel(c.typed);
    EXPECT_EQ(edit_.Text(), c.result) << ToUtf8(c.typed);
    EXPECT_EQ(notices_, c.reported ? std::vector{EditNotice::kMaxText} : std::vector<EditNotice>{})
        << ToUtf8(c.typed);
  }
}

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

TEST_F(EditLimitTest, ASinkMayReplaceItselfAndEditAgain) {
  int calls = 0;
  edit_.SetLimit(3);
  edit_.SetNoticeSink([&](EditNotice) {
    ++calls;
    edit_.SetNoticeSink(nullptr);
    edit_.SetSel(0, 1);
    edit_.ReplaceSel(u"");
  });
  edit_.ReplaceSel(u"abcd");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(edit_.Text(), u"bc");
}

}  // namespace
}  // namespace orvo::emu
