// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the text at an abrupt end: when it is kept, the file it goes to,
// and the two ways an abrupt end arrives (exit(), and SIGTERM / SIGHUP).
#include "frontends/qt/text_rescue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "frontends/qt/qt_app.h"
#include "support/temp_folder.h"

namespace orvo::testing {
namespace {

namespace fs = std::filesystem;
using qt::RescueSnapshot;
using qt::TextRescue;

constexpr std::time_t kWhen = 1700000000;

std::string NameAt(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return files::RescueFileName(local);
}

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct DecisionCase {
  const char* what;
  bool ended_normally;
  RescueSnapshot snapshot;
  bool rescued;
};

const DecisionCase kDecisions[] = {
    {"modified text at an abrupt end", false, {u"あ", true}, true},
    {"the program's own shutdown ran", true, {u"あ", true}, false},
    {"saved as it stands", false, {u"あ", false}, false},
    {"empty", false, {u"", true}, false},
};

TEST(TextRescue, KeepsOnlyModifiedTextOfAnAbruptEnd) {
  for (const DecisionCase& c : kDecisions) {
    EXPECT_EQ(files::NeedsRescue(c.ended_normally, c.snapshot), c.rescued) << c.what;

    test_support::TempFolder folder;
    TextRescue rescue([&] { return c.snapshot; }, folder.Path());
    rescue.SetClock([] { return kWhen; });
    if (c.ended_normally) rescue.EndedNormally();
    EXPECT_EQ(rescue.Rescue().written, c.rescued) << c.what;
    EXPECT_EQ(Names(folder.Path()).size(), c.rescued ? 1U : 0U) << c.what;
  }
}

TEST(TextRescue, WritesTheExactTextOnceAndLeavesNoTemporaryFile) {
  test_support::TempFolder folder;
  const ustring text = u"一行目\r\n二行目 ｶﾅ abc\r\n";
  TextRescue rescue([&] { return RescueSnapshot{text, true}; }, folder.Path());
  rescue.SetClock([] { return kWhen; });
  const files::RescueResult result = rescue.Rescue();
  ASSERT_TRUE(result.written) << result.error;
  EXPECT_EQ(result.path, folder.Path() + "/" + NameAt(kWhen));
  EXPECT_EQ(Slurp(result.path), ToUtf8(text));
  EXPECT_FALSE(rescue.Rescue().written) << "a second rescue of the same run";
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{NameAt(kWhen)});
}

TEST(TextRescue, UnwritableFolderIsReportedAndLeavesNothing) {
  test_support::TempFolder folder;
  const std::string file = folder.Path() + "/plain-file";
  std::ofstream(file) << "x";
  for (const std::string& where : {folder.Path() + "/missing", file}) {
    TextRescue rescue([] { return RescueSnapshot{u"あ", true}; }, where);
    const files::RescueResult result = rescue.Rescue();
    EXPECT_FALSE(result.written) << where;
    EXPECT_FALSE(result.error.empty()) << where;
  }
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"plain-file"});
}

TEST(TextRescue, OneRescueIsArmedAtATime) {
  test_support::TempFolder folder;
  auto first = std::make_unique<TextRescue>([] { return RescueSnapshot{}; }, folder.Path());
  TextRescue second([] { return RescueSnapshot{}; }, folder.Path());
  ASSERT_TRUE(first->Arm());
  EXPECT_TRUE(first->Arm());
  EXPECT_FALSE(second.Arm());
  first.reset();
  EXPECT_TRUE(second.Arm()) << "a rescue that is gone disarms itself";
}

// exit() runs the rescue in a child process; the file outlives it.
TEST(TextRescueDeathTest, ExitWritesTheTextUnlessTheShutdownRan) {
  test_support::TempFolder folder;
  const auto run = [&](bool ended_normally) {
    TextRescue rescue([] { return RescueSnapshot{u"消えない", true}; }, folder.Path());
    rescue.SetClock([] { return kWhen; });
    rescue.Arm();
    if (ended_normally) rescue.EndedNormally();
    std::exit(1);
  };
  EXPECT_EXIT(run(true), ::testing::ExitedWithCode(1), "");
  EXPECT_TRUE(Names(folder.Path()).empty());
  EXPECT_EXIT(run(false), ::testing::ExitedWithCode(1),
              "the unsaved text was written to .*rescued-");
  EXPECT_EQ(Slurp(folder.Path() + "/" + NameAt(kWhen)), "消えない");
}

class TextRescueSignalTest : public ::testing::Test {
 protected:
  void SetUp() override { App(); }
  // Lets the event loop take the wake-up the handler left.
  static void Drain() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
  test_support::TempFolder folder_;
};

TEST_F(TextRescueSignalTest, SessionEndWritesFromTheEventLoopThenEndsBySignal) {
  for (const int signal : {SIGTERM, SIGHUP}) {
    test_support::TempFolder folder;
    std::vector<int> ended_by;
    {
      TextRescue rescue([] { return RescueSnapshot{u"あ", true}; }, folder.Path());
      rescue.SetAfterSignal([&](int s) { ended_by.push_back(s); });
      ASSERT_TRUE(rescue.ListenForSignals());
      std::raise(signal);
      EXPECT_TRUE(Names(folder.Path()).empty()) << "written inside the handler";
      Drain();
      EXPECT_EQ(ended_by, std::vector<int>{signal});
      EXPECT_EQ(Names(folder.Path()).size(), 1U);
    }
    struct sigaction now {};
    ::sigaction(signal, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL) << "the handler is given back";
  }
}

TEST_F(TextRescueSignalTest, IgnoredHangupStaysIgnoredAndOneListenerAtATime) {
  std::signal(SIGHUP, SIG_IGN);
  {
    TextRescue rescue([] { return RescueSnapshot{}; }, folder_.Path());
    TextRescue other([] { return RescueSnapshot{}; }, folder_.Path());
    ASSERT_TRUE(rescue.ListenForSignals());
    EXPECT_FALSE(other.ListenForSignals());
    struct sigaction now {};
    ::sigaction(SIGHUP, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_IGN);
  }
  std::signal(SIGHUP, SIG_DFL);
}

}  // namespace
}  // namespace orvo::testing
