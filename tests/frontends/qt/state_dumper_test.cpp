// SPDX-License-Identifier: GPL-3.0-or-later
// The window's state dump: the headless runner's JSON for the same keys,
// written from the event loop when SIGUSR1 asks, and replaced whole.
#include <csignal>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "frontends/headless/session.h"
#include "frontends/headless/state_dump.h"
#include "frontends/qt/state_dumper.h"
#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

nlohmann::json ReadJson(const std::string& path) {
  std::ifstream in(path);
  return nlohmann::json::parse(in, nullptr, false);
}

class StateDumperTest : public QtFrontEnd {
 protected:
  std::string DumpPath() const { return out_.Path() + "/state.json"; }
  test_support::TempFolder out_;
};

TEST_F(StateDumperTest, MatchesTheHeadlessDumpForTheSameKeys) {
  test_support::TempFolder other;
  headless::SessionOptions options;
  options.code_page = emu::CodePage::kCp932;
  headless::Session headless(other.Path(), {}, options);
  ASSERT_TRUE(headless.Start());

  // F1, then あい as chords, N confirms, then か left composing.
  headless.Tap(vk::kF1);
  Tap(Qt::Key_F1);
  for (const char* chord : {"F", "FD", "N", "FL"}) {
    headless.Chord(chord);
    std::vector<Qt::Key> keys;
    for (const char* c = chord; *c != '\0'; ++c) keys.push_back(static_cast<Qt::Key>(*c));
    for (Qt::Key k : keys) Press(k);
    for (Qt::Key k : keys) Release(k);
  }

  qt::StateDumper dumper(S(), QString::fromStdString(DumpPath()));
  const nlohmann::json qt = dumper.Dump();
  const nlohmann::json expected = headless::DumpState(headless);
  ASSERT_EQ(qt["text"], "あい");
  for (const char* key : {"input_mode", "braille_mode", "latch_held", "conv_stage", "ended", "modal_waiting",
                          "text", "title", "cell", "mode", "mirrors", "status", "ime", "keys", "messages"}) {
    EXPECT_EQ(qt[key], expected[key]) << key;
  }
  EXPECT_TRUE(qt.contains("window"));
}

TEST_F(StateDumperTest, SignalWritesFromTheEventLoopOnce) {
  qt::StateDumper dumper(S(), QString::fromStdString(DumpPath()));
  ASSERT_TRUE(dumper.ListenForSignal());
  Tap(Qt::Key_F1);
  // Two requests before the loop runs are one write.
  std::raise(SIGUSR1);
  std::raise(SIGUSR1);
  EXPECT_FALSE(std::filesystem::exists(DumpPath())) << "written inside the handler";
  for (int i = 0; i < 20 && dumper.Written() == 0; ++i) QCoreApplication::processEvents();
  Drain();
  EXPECT_EQ(dumper.Written(), 1);
  const nlohmann::json state = ReadJson(DumpPath());
  ASSERT_FALSE(state.is_discarded());
  EXPECT_EQ(state["braille_mode"], true);

  // Later requests write again, the file replaced whole.
  Tap(Qt::Key_F1);
  std::raise(SIGUSR1);
  for (int i = 0; i < 20 && dumper.Written() == 1; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(dumper.Written(), 2);
  EXPECT_EQ(ReadJson(DumpPath())["braille_mode"], false);
}

// Asked while the exit question waits, the dump says so and that the program has not ended.
TEST_F(StateDumperTest, ADumpWhileABoxWaitsIsNotEnded) {
  qt::StateDumper dumper(S(), QString::fromStdString(DumpPath()));
  ASSERT_TRUE(dumper.ListenForSignal());
  std::raise(SIGUSR1);
  W().ClickMenu("mnuEXIT");  // the question's loop runs the events, and the write with them
  ASSERT_EQ(dumper.Written(), 1);
  const nlohmann::json waiting = ReadJson(DumpPath());
  EXPECT_EQ(waiting["modal_waiting"], true);
  EXPECT_EQ(waiting["ended"], false);
  ASSERT_TRUE(S().host.Ended());  // unanswered, the question let the program close
  const nlohmann::json after = dumper.Dump();
  EXPECT_EQ(after["modal_waiting"], false);
  EXPECT_EQ(after["ended"], true);
}

TEST_F(StateDumperTest, OnlyOneDumperTakesTheSignal) {
  qt::StateDumper first(S(), QString::fromStdString(DumpPath()));
  qt::StateDumper second(S(), QString::fromStdString(DumpPath() + ".2"));
  ASSERT_TRUE(first.ListenForSignal());
  EXPECT_FALSE(second.ListenForSignal());
}

TEST_F(StateDumperTest, UnwritablePathIsReportedAndKeepsNothingHalfWritten) {
  qt::StateDumper dumper(S(), QString::fromStdString(out_.Path() + "/missing/state.json"));
  EXPECT_FALSE(dumper.Write());
  EXPECT_EQ(dumper.Written(), 0);
  EXPECT_FALSE(std::filesystem::exists(out_.Path() + "/missing"));

  std::ofstream(DumpPath()) << "old";
  qt::StateDumper good(S(), QString::fromStdString(DumpPath()));
  EXPECT_TRUE(good.Write());
  EXPECT_FALSE(ReadJson(DumpPath()).is_discarded());
}

}  // namespace
}  // namespace orvo::testing
