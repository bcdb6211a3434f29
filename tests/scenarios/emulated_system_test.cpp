// SPDX-License-Identifier: GPL-3.0-or-later
// The assembly every emulated front end shares: the dictionary warning is the
// program's, said once, and only when conversion was asked for.
#include "app/dictionary_warning.h"
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

TEST(EmulatedSystem, AMissingDictionaryIsToldOnceAfterStartUp) {
#if defined(_WIN32)
  GTEST_SKIP() << "needs anthy, which the Windows build has not: its IME there is the system's";
#endif
  TempFolder folder;
  headless::SessionOptions options;
  options.kanji_conversion = true;
  options.dictionary = "/nonexistent/orvo.dic";
  headless::Session session(folder.Path(), u"", options);
  ASSERT_EQ(session.engine, nullptr);
  EXPECT_FALSE(session.engine_error.empty());
  EXPECT_TRUE(session.host.Messages().empty());  // not before start-up
  ASSERT_TRUE(session.Start());
  ASSERT_EQ(session.host.Messages().size(), 1u);
  EXPECT_EQ(session.host.Messages()[0].text, kNoDictionaryWarning);
  EXPECT_EQ(session.host.Messages()[0].icon, mb_icon::kExclamation);
  EXPECT_EQ(session.host.Messages()[0].title, u" Orvo");
}

TEST(EmulatedSystem, NoConversionAskedIsNothingToWarnAbout) {
  TempFolder folder;
  headless::Session session(folder.Path());
  ASSERT_TRUE(session.Start());
  EXPECT_TRUE(session.engine_error.empty());
  EXPECT_TRUE(session.host.Messages().empty());
}

// Asked for conversion, a session either converts or says why not (the
// reason a skipped conversion test prints); a build made without any engine
// (Windows, where the system's IME converts) warns the user of nothing.
TEST(EmulatedSystem, ConversionAskedForConvertsOrSaysWhyNot) {
  TempFolder folder;
  headless::SessionOptions options;
  options.kanji_conversion = true;
  headless::Session session(folder.Path(), u"", options);
  EXPECT_NE(session.engine == nullptr, session.engine_error.empty());
  ASSERT_TRUE(session.Start());
#if defined(_WIN32)
  EXPECT_EQ(session.engine, nullptr);
  EXPECT_NE(session.engine_error.find("IME"), std::string::npos) << session.engine_error;
  EXPECT_TRUE(session.host.Messages().empty());
#endif
}

TEST(EmulatedSystem, ASecondCopyInTheSameFolderIsRefused) {
  TempFolder folder;
  headless::Session first(folder.Path());
  ASSERT_TRUE(first.Start());
  headless::Session second(folder.Path());
  EXPECT_FALSE(second.Start());
}

}  // namespace
}  // namespace orvo::testing
