// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anthy_fixture.h"

namespace orvo::emu::testing {
namespace {

struct AnthyEngineTest : ::testing::Test {
  std::unique_ptr<ConversionEngine> engine = QuietAnthy();

  // Segment readings joined by '|'; must give back the reading without them.
  std::u16string Readings() const {
    std::u16string out;
    for (int i = 0; i < engine->SegmentCount(); ++i) {
      if (i > 0) out += u'|';
      out += engine->GetSegment(i, ConversionEngine::kReading);
    }
    return out;
  }
  std::u16string FirstCandidates() const {
    std::u16string out;
    for (int i = 0; i < engine->SegmentCount(); ++i) out += engine->GetSegment(i, 0);
    return out;
  }
  int TotalLength() const {
    int total = 0;
    for (int i = 0; i < engine->SegmentCount(); ++i) total += engine->GetSegmentStat(i).length;
    return total;
  }
};

// Whatever anthy makes of them, segments cover the reading in its own units.
TEST_F(AnthyEngineTest, SegmentsCoverTheReadingInItsOwnUnits) {
  const std::u16string_view readings[] = {
      u"わたしはにほんごをかきます",
      u"ｶﾞｯｺｳﾆｲｸ",
      u"ワタシハガクセイデス",
      u"😀がっこう🎌",
      u"ＡＢＣとｘｙｚ",
      u"１２３こ",
      u"ヴぁいおりん",
      u"ゔぁいおりん",
      u"ﾞﾟ",
      u"あ\nい",
  };
  for (std::u16string_view reading : readings) {
    SCOPED_TRACE(U8(reading));
    ASSERT_TRUE(engine->SetString(reading));
    EXPECT_EQ(TotalLength(), static_cast<int>(reading.size()));
    std::u16string joined = Readings();
    std::erase(joined, u'|');
    EXPECT_EQ(joined, reading);
    for (int i = 0; i < engine->SegmentCount(); ++i) {
      EXPECT_GE(engine->GetSegmentStat(i).candidates, 1);
      EXPECT_FALSE(engine->GetSegment(i, 0).empty());
    }
  }
}

// Kana in any form is converted; digits, letters and symbols come back as typed.
TEST_F(AnthyEngineTest, FirstCandidatesConvertKanaAndKeepTheRest) {
  struct Case {
    std::u16string_view reading;
    std::string_view contains;
  };
  const Case cases[] = {
      {u"わたしはにほんごをかきます", "日本語"},
      {u"ワタシハニホンゴヲカキマス", "日本語"},
      {u"ﾜﾀｼﾊﾆﾎﾝｺﾞｦｶｷﾏｽ", "日本語"},
      {u"ｶﾞｯｺｳ", "学校"},
      {u"ヴぁいおりん", "ヴァイオリン"},
      {u"１２３こ", "１２３"},
      {u"123", "123"},
      {u"ＡＢＣ", "ＡＢＣ"},
      {u"Ｔｏｋｙｏ－", "Ｔｏｋｙｏ－"},
      {u"きょうはいいてんきです。", "。"},
      {u"わたし、げんき！", "、"},
      {u"わたし、げんき！", "！"},
      {u"。。。", "。。。"},
      {u"😀", "😀"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.reading));
    ASSERT_TRUE(engine->SetString(c.reading));
    EXPECT_NE(U8(FirstCandidates()).find(c.contains), std::string::npos) << U8(FirstCandidates());
  }
}

TEST_F(AnthyEngineTest, OtherFormsOfLiteralsComeAfter) {
  ASSERT_TRUE(engine->SetString(u"。"));
  ASSERT_EQ(engine->SegmentCount(), 1);
  ASSERT_GE(engine->GetSegmentStat(0).candidates, 2);
  EXPECT_EQ(U8(engine->GetSegment(0, 0)), "。");
  std::u16string all;
  for (int i = 0; i < engine->GetSegmentStat(0).candidates; ++i) all += engine->GetSegment(0, i);
  EXPECT_NE(all.find(u'.'), std::u16string::npos) << U8(all);
}

TEST_F(AnthyEngineTest, ReadingsAnthyCannotTakeAreRefused) {
  const std::u16string refused[] = {
      u"",
      std::u16string(u"あ\0い", 3),
      std::u16string{u'\xD800', u'あ'},
      std::u16string{u'あ', u'\xDC00'},
  };
  ASSERT_TRUE(engine->SetString(u"かな"));
  for (const std::u16string& reading : refused) {
    SCOPED_TRACE(reading.size());
    EXPECT_FALSE(engine->SetString(reading));
    EXPECT_EQ(engine->SegmentCount(), 0);
    EXPECT_EQ(engine->GetSegmentStat(0).candidates, 0);
    EXPECT_TRUE(engine->GetSegment(0, 0).empty());
    engine->ResizeSegment(0, 1);
    engine->CommitSegment(0, 0);
    EXPECT_EQ(engine->SegmentCount(), 0);
  }
}

TEST_F(AnthyEngineTest, CallsOutsideTheSegmentsChangeNothing) {
  ASSERT_TRUE(engine->SetString(u"わたしはにほんごをかきます"));
  const std::u16string before = Readings();
  const int last = engine->SegmentCount() - 1;
  struct Resize {
    int segment;
    int delta;
  };
  const Resize resizes[] = {
      {-1, 1}, {last + 1, -1}, {0, 0}, {0, 1000}, {0, -1000}, {last, 1}, {last, -1000},
  };
  for (const Resize& r : resizes) {
    engine->ResizeSegment(r.segment, r.delta);
    EXPECT_EQ(Readings(), before) << r.segment << " by " << r.delta;
  }
  EXPECT_TRUE(engine->GetSegment(-1, 0).empty());
  EXPECT_TRUE(engine->GetSegment(last + 1, 0).empty());
  EXPECT_TRUE(engine->GetSegment(0, -2).empty());
  EXPECT_TRUE(engine->GetSegment(0, engine->GetSegmentStat(0).candidates).empty());
  engine->CommitSegment(last + 1, 0);
  engine->CommitSegment(0, 1000);
  EXPECT_EQ(Readings(), before);
}

// anthy cannot cut inside ｶﾞ or a surrogate pair; a resize goes on to the next place it can.
TEST_F(AnthyEngineTest, ResizeStepsOverCharactersAnthyReadsAsOne) {
  struct Case {
    std::u16string_view reading;
    std::vector<int> deltas;  // applied to the first segment made as long as the reading
    std::string_view first;   // its reading after them
  };
  const Case cases[] = {
      {u"ｶﾞｯｺｳ", {-1}, "ｶﾞｯｺ"},  {u"ｶﾞｯｺｳ", {-2, -1}, "ｶﾞ"}, {u"ｶﾞｯｺｳ", {-2, -1, -1}, "ｶﾞ"},
      {u"ｶﾞｯｺｳ", {-4}, "ｶﾞｯｺｳ"},  // 1 unit cannot be had: nothing changes
      {u"あｶﾞ", {-1}, "あ"},     {u"あｶﾞ", {-1, 1}, "あｶﾞ"}, {u"あ😀い", {-1}, "あ😀"},
      {u"あ😀い", {-2}, "あ"},    {u"あ😀い", {-2, 1}, "あ😀"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.reading));
    ASSERT_TRUE(engine->SetString(c.reading));
    engine->ResizeSegment(0, static_cast<int>(c.reading.size()) - engine->GetSegmentStat(0).length);
    ASSERT_EQ(engine->SegmentCount(), 1);
    for (int delta : c.deltas) engine->ResizeSegment(0, delta);
    EXPECT_EQ(U8(engine->GetSegment(0, ConversionEngine::kReading)), c.first);
    EXPECT_EQ(TotalLength(), static_cast<int>(c.reading.size()));
  }
}

TEST_F(AnthyEngineTest, WithoutLearningChoicesDoNotReorderCandidates) {
  ASSERT_TRUE(engine->SetString(u"かきます"));
  ASSERT_GE(engine->GetSegmentStat(0).candidates, 2);
  const std::u16string first = engine->GetSegment(0, 0);
  const std::u16string second = engine->GetSegment(0, 1);
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(engine->SetString(u"かきます"));
    for (int s = 0; s < engine->SegmentCount(); ++s) engine->CommitSegment(s, s == 0 ? 1 : 0);
  }
  ASSERT_TRUE(engine->SetString(u"かきます"));
  EXPECT_EQ(engine->GetSegment(0, 0), first);
  EXPECT_EQ(engine->GetSegment(0, 1), second);
}

}  // namespace
}  // namespace orvo::emu::testing
