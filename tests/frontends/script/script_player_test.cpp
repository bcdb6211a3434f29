// SPDX-License-Identifier: GPL-3.0-or-later
// The one script player, driven against a fake front end: what reaches the
// target and in which order, where a run stops and why, the dialogs' answers,
// and a restart's place in the script.
#include "frontends/script/script_player.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontends/headless/session.h"
#include "support/temp_folder.h"

namespace orvo::testing {
namespace {

using script::ScriptPlayer;
using script::ScriptStep;

// Writes down what the player asks of the front end.
class FakeTarget : public script::ScriptTarget {
 public:
  explicit FakeTarget(headless::Session& session) : session_(session) {}

  script::ScriptView View() override { return session_.View(); }
  void Key(const KeyEvent& event) override {
    calls.push_back((event.up ? "up " : "down ") + std::to_string(event.vk));
  }
  void Wait(long long ms) override { calls.push_back("wait " + std::to_string(ms)); }
  void Resize(int w, int h) override { calls.push_back("resize " + std::to_string(w) + " " + std::to_string(h)); }
  void Move(int x, int y) override { calls.push_back("move " + std::to_string(x) + " " + std::to_string(y)); }
  void SetState(WindowState state) override { calls.push_back("state " + std::to_string(static_cast<int>(state))); }
  void Settle() override { calls.push_back("settle"); }
  bool Ended() const override { return ended; }
  bool CanRestart() const override { return can_restart; }

  std::vector<std::string> calls;
  bool ended = false;
  bool can_restart = false;

 private:
  headless::Session& session_;
};

std::vector<ScriptStep> Steps(std::string_view text) {
  const script::ParsedScript parsed = script::ParseScript(text);
  EXPECT_TRUE(parsed.errors.empty()) << text;
  return parsed.steps;
}

class ScriptPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(session_.Start()); }

  // Plays the whole script as a front end's loop would.
  void PlayAll(ScriptPlayer& player) {
    while (player.PlayNext()) {
    }
    player.Finish();
  }

  test_support::TempFolder folder_;
  headless::Session session_{folder_.Path()};
  FakeTarget target_{session_};
  ScriptPlayer player_{session_.program, target_};
};

TEST_F(ScriptPlayerTest, HandsKeysWaitsAndTheWindowToTheTargetInOrder) {
  player_.Load(Steps("press A\nrelease A\nwait 250\nresize 800 600\nmove 10 20\n"
                     "maximize\nminimize\nrestore\nexpect messages 0\n"));
  PlayAll(player_);
  EXPECT_FALSE(player_.Failed());
  const std::vector<std::string> expected = {
      "down 65", "up 65",           "wait 250", "resize 800 600", "settle", "move 10 20", "settle",
      "state 2", "settle",          "state 1",  "settle",         "state 0", "settle"};
  EXPECT_EQ(target_.calls, expected);
}

TEST_F(ScriptPlayerTest, TheFirstFailingStepEndsTheRunWithItsLine) {
  const struct {
    const char* script;
    int line;
    std::string message;  // a part of it
  } cases[] = {
      {"tap A\nexpect messages 3\ntap B\n", 2, "messages"},
      {"click cmdNOSUCH\ntap B\n", 1, "cannot click frmMAIN.cmdNOSUCH: no loaded form has it"},
      {"dialog cancel\ntap B\n", 1, "no dialog is open"},
      {"tap A\nrestart\ntap B\n", 2, "restart runs only in orvo-headless"},
  };
  for (const auto& c : cases) {
    target_.calls.clear();
    player_.Load(Steps(c.script));
    PlayAll(player_);
    ASSERT_TRUE(player_.Failed()) << c.script;
    EXPECT_EQ(player_.Failed()->line, c.line) << c.script;
    EXPECT_NE(player_.Failed()->message.find(c.message), std::string::npos) << player_.Failed()->message;
    for (const std::string& call : target_.calls) EXPECT_NE(call, "down 66") << "a step after the failure ran: " << c.script;
  }
}

TEST_F(ScriptPlayerTest, AfterTheProgramEndedOnlyExpectationsAreChecked) {
  player_.Load(Steps("tap A\ntap B\nexpect messages 0\nexpect messages 7\n"));
  ASSERT_TRUE(player_.PlayNext());
  target_.ended = true;
  EXPECT_FALSE(player_.HasNext());
  EXPECT_FALSE(player_.PlayNext());
  player_.Finish();
  EXPECT_EQ(target_.calls, std::vector<std::string>{"down 65"});
  ASSERT_TRUE(player_.Failed()) << "a failing expectation after the end still fails the run";
  EXPECT_EQ(player_.Failed()->line, 4);
}

TEST_F(ScriptPlayerTest, ARestartIsToldInTheScriptsOwnNumbering) {
  target_.can_restart = true;
  const std::vector<ScriptStep> script = Steps("tap A\ntap B\ntap C\nrestart notes.txt\ntap D\n");
  // Started after the prelude from the script's third step (B going down);
  // the step after the restart is the script's eighth (D going down).
  player_.LoadAfterPrelude(script, 2);
  PlayAll(player_);
  ASSERT_TRUE(player_.Restarting());
  EXPECT_EQ(player_.Restarting()->next, 7U);
  EXPECT_EQ(player_.Restarting()->file, "notes.txt");
  EXPECT_FALSE(player_.Failed());

  // The same restart reached after the program ended is told the same way.
  player_.LoadAfterPrelude(script, 2);
  target_.ended = true;
  player_.Finish();
  ASSERT_TRUE(player_.Restarting());
  EXPECT_EQ(player_.Restarting()->next, 7U);
}

TEST_F(ScriptPlayerTest, ADialogTakesTheNextLineAfterTheKeysStillComingUp) {
  player_.Load(Steps("release Enter\nrelease A\ndialog notes.txt\ntap B\n"));
  const ScriptStep* answer = player_.DialogAnswer("the open dialog");
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer->kind, ScriptStep::Kind::kDialog);
  EXPECT_EQ(answer->line, 3);
  EXPECT_EQ(target_.calls, (std::vector<std::string>{"up 13", "up 65"}));
  EXPECT_TRUE(player_.PlayNext()) << "the steps after the answer go on";
  EXPECT_FALSE(player_.Failed());
}

TEST_F(ScriptPlayerTest, ADialogNoLineAnswersStopsTheRunUnlessStormsCancelIt) {
  player_.Load(Steps("tap B\n"));
  EXPECT_EQ(player_.DialogAnswer("the save dialog"), nullptr);
  ASSERT_TRUE(player_.Failed());
  EXPECT_EQ(player_.Failed()->line, 1);
  EXPECT_EQ(player_.Failed()->message.rfind("the save dialog is open", 0), 0U) << player_.Failed()->message;
  EXPECT_FALSE(player_.HasNext());

  player_.Load(Steps("tap B\n"));
  player_.CancelUnansweredDialogs(true);
  EXPECT_EQ(player_.DialogAnswer("the save dialog"), nullptr);
  EXPECT_FALSE(player_.Failed());
  EXPECT_TRUE(player_.HasNext());
}

TEST_F(ScriptPlayerTest, ThePreludeClosesTheSplashFirst) {
  player_.LoadAfterPrelude(Steps("tap A\n"));
  PlayAll(player_);
  const std::vector<std::string> expected = {"wait 600", "down 13", "up 13", "down 65", "up 65"};
  EXPECT_EQ(target_.calls, expected);
}

}  // namespace
}  // namespace orvo::testing
