// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt front end's script player: steps through the one input queue, a box
// a step opens answered by the steps after it, expectations checked.
#include "frontends/qt/script_feeder.h"

#include "frontends/script/key_script.h"
#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

class ScriptPlayer : public QtFrontEnd {
 protected:
  void Play(std::string_view script) {
    const script::ParsedScript parsed = script::ParseScript(script);
    ASSERT_TRUE(parsed.errors.empty()) << parsed.errors.front().message;
    bool done = false;
    qt::ScriptFeeder feeder(S(), parsed.steps, [&done] { done = true; });
    feeder.SetOnFailure([this](int line, const std::string& message) {
      failure_ = std::to_string(line) + ": " + message;
    });
    feeder.Start();
    for (int i = 0; i < 500 && !done; ++i) QCoreApplication::processEvents();
    EXPECT_TRUE(done);
  }

  std::string failure_;
};

TEST_F(ScriptPlayer, ABoxAStepOpensTakesTheNextSteps) {
  Play("tap F1\ntap T\ntap Enter\nchord FL\ntap N\nexpect text か\nexpect messages 1\n");
  EXPECT_EQ(failure_, "");
  EXPECT_EQ(Text(), u"か");
  ASSERT_EQ(S().program.messages.History().size(), 1u);
  EXPECT_EQ(S().program.messages.History()[0].result, 1);  // answered by the Enter
}

TEST_F(ScriptPlayer, TheFirstFailedExpectationEndsTheScript) {
  Play("tap F1\nchord FL\ntap N\nexpect text か\nexpect mode 数字\ntap F1\n");
  EXPECT_EQ(failure_, "5: expected mode \"数字\", got \"ひらがな\"");
  EXPECT_TRUE(BrailleMode());  // the F1 after it never came
}

TEST_F(ScriptPlayer, AClickOnAControlNoFormHasEndsTheScript) {
  Play("click cmdNOSUCH\ntap F1\n");
  EXPECT_EQ(failure_, "1: cannot click frmMAIN.cmdNOSUCH: no loaded form has it");
  EXPECT_FALSE(BrailleMode());  // the F1 after it never came
}

TEST_F(ScriptPlayer, ARestartIsRefusedInTheWindow) {
  Play("restart\ntap F1\n");
  EXPECT_EQ(failure_, "1: restart runs only in orvo-headless");
  EXPECT_FALSE(BrailleMode());
}

}  // namespace
}  // namespace orvo::testing
