// SPDX-License-Identifier: GPL-3.0-or-later
// Readings of written text by anthy's reverse conversion, for the review key.
#include "platform/emulated/anthy/anthy_reverse.h"

#include "anthy_fixture.h"

// anthy's reverse conversion keeps the split of each string it reads past the
// release of its context (allocated in anthy_init_split_context): a leak of
// anthy's own, a few hundred bytes a reading, that the leak checker is told
// of; nothing of this program is excused.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
  return "leak:anthy_init_split_context\nleak:anthy_do_context_set_str\n";
}

namespace orvo::emu::testing {
namespace {

TEST(AnthyReverse, ReadsKanjiAndKeepsWhatIsNotKanji) {
  std::string error;
  const auto readings = MakeAnthyReverse({FreshFolder("reverse"), false, ""}, &error);
  ASSERT_NE(readings, nullptr) << error;
  EXPECT_EQ(readings->ReadingOf(u"日本語の文章を書く"), u"にほんごのぶんしょうをかく");
  EXPECT_EQ(readings->ReadingOf(u"箸"), u"はし");
  EXPECT_EQ(readings->ReadingOf(u"ひらがな"), u"ひらがな");
  // What anthy cannot be given: nothing, never a crash.
  EXPECT_EQ(readings->ReadingOf(u""), u"");
  EXPECT_EQ(readings->ReadingOf(ustring(u"日\0本", 3)), u"");
  EXPECT_EQ(readings->ReadingOf(u"日\xD800"), u"");
}

TEST(AnthyReverse, SharesAnthyWithTheEngineAndTeachesItNothing) {
  std::string error;
  const std::string folder = FreshFolder("shared");
  auto engine = MakeAnthyEngine({folder, false, ""}, &error);
  ASSERT_NE(engine, nullptr) << error;
  auto readings = MakeAnthyReverse({folder, false, ""}, &error);
  ASSERT_NE(readings, nullptr) << error;
  ASSERT_TRUE(engine->SetString(u"はし"));
  const ustring first = engine->GetSegment(0, 0);
  readings->ReadingOf(u"端");
  readings->ReadingOf(u"箸");
  ASSERT_TRUE(engine->SetString(u"はし"));
  EXPECT_EQ(engine->GetSegment(0, 0), first);
}

}  // namespace
}  // namespace orvo::emu::testing
