// SPDX-License-Identifier: GPL-3.0-or-later
// The key-script language: what each line becomes, the lines it refuses, and
// expectations that hold or stop the run.
#include "frontends/script/key_script.h"

#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

using script::ParseScript;
using Kind = script::ScriptStep::Kind;

script::ScriptStep OnlyStep(std::string_view line) {
  const script::ParsedScript parsed = ParseScript(line);
  EXPECT_TRUE(parsed.errors.empty())
      << line << ": " << (parsed.errors.empty() ? "" : parsed.errors[0].message);
  EXPECT_EQ(parsed.steps.size(), 1u) << line;
  return parsed.steps.empty() ? script::ScriptStep{} : parsed.steps[0];
}

std::string FirstError(std::string_view text) {
  const script::ParsedScript parsed = ParseScript(text);
  return parsed.errors.empty()
             ? ""
             : std::to_string(parsed.errors[0].line) + ": " + parsed.errors[0].message;
}

TEST(KeyScript, KeyNamesInAnyCase) {
  for (std::string_view line : {"tap F1", "tap f1", "tap enter", "tap ENTER", "tap capslock"}) {
    EXPECT_EQ(ParseScript(line).steps.size(), 2u) << line;
  }
  EXPECT_EQ(ParseScript("tap f1").steps[0].key.vk, vk::kF1);
  const auto chord = ParseScript("chord fdS").steps;
  ASSERT_EQ(chord.size(), 6u);
  EXPECT_EQ(chord[0].key.vk, 'F');
  EXPECT_EQ(chord[2].key.vk, 'S');
  EXPECT_TRUE(chord[3].key.up);
}

TEST(KeyScript, CommentsFollowASpaceOrOpenTheLine) {
  EXPECT_EQ(ParseScript("tap F1   # braille on\n# a line\n  # indented\n").steps.size(), 2u);
  EXPECT_EQ(OnlyStep("expect text a#b # and a comment").value, "a#b");
  EXPECT_EQ(OnlyStep("expect cell \\#").value, "#");
  EXPECT_EQ(OnlyStep("expect cell\t# nothing").value, "");
  EXPECT_EQ(OnlyStep("wait 10\t#\ttabbed").ms, 10);
}

TEST(KeyScript, ExpectedValuesResolveTheirEscapes) {
  EXPECT_EQ(OnlyStep("expect text か\\r\\nあ").value, "か\r\nあ");
  EXPECT_EQ(OnlyStep("expect mode 英字\\u3000小").value, "英字\u3000小");
  EXPECT_EQ(OnlyStep("expect text \\sa b\\s  ").value, " a b ");
  EXPECT_EQ(OnlyStep("expect text \\\\t\\t").value, "\\t\t");
  EXPECT_EQ(OnlyStep("expect text \\uD83D\\uDE00").value, "😀");
  EXPECT_EQ(OnlyStep("expect text").value, "");
  EXPECT_EQ(script::ShowValue("か\r\n\t\\\u3000x"), "か\\r\\n\\t\\\\\\u3000x");
}

TEST(KeyScript, ExpectationsNameTheirSubjects) {
  const auto caption = OnlyStep("expect caption frmMsgEx.cmdBTN[1] ＯＫ");
  EXPECT_EQ(caption.kind, Kind::kExpect);
  EXPECT_EQ(caption.target, "caption");
  EXPECT_EQ(caption.control.form, "frmMsgEx");
  EXPECT_EQ(caption.control.control, "cmdBTN");
  EXPECT_EQ(caption.control.index, 1);
  EXPECT_EQ(caption.value, "ＯＫ");
  const auto toggled = OnlyStep("expect toggled capslock on");
  EXPECT_EQ(toggled.key.vk, vk::kCapital);
  EXPECT_EQ(toggled.value, "on");
  EXPECT_EQ(OnlyStep("expect input-mode 02").value, "2");
}

TEST(KeyScript, ClickNamesAnyFormsControl) {
  const auto bare = OnlyStep("click cmdTYPE");
  EXPECT_EQ(bare.kind, Kind::kClick);
  EXPECT_EQ(bare.control.form, "frmMAIN");
  EXPECT_EQ(bare.control.control, "cmdTYPE");
  EXPECT_EQ(bare.control.index, -1);
  const auto indexed = OnlyStep("click frmMsgEx.cmdBTN[12]");
  EXPECT_EQ(indexed.control.form, "frmMsgEx");
  EXPECT_EQ(indexed.control.index, 12);
}

TEST(KeyScript, RestartNamesAtMostTheCommandLinesFile) {
  EXPECT_EQ(OnlyStep("restart").kind, Kind::kRestart);
  EXPECT_EQ(OnlyStep("restart").value, "");
  EXPECT_EQ(OnlyStep("restart memo.txt  # with a file").value, "memo.txt");
}

TEST(KeyScript, BadLinesSayWhatIsWrong) {
  struct Case {
    const char* script;
    const char* error;
  };
  const Case cases[] = {
      {"clipboard \\q", "1: unknown escape '\\q' (\\n \\r \\t \\s \\\\ \\# \\uXXXX)"},
      {"tap F1\nexpect colour red", "2: cannot expect 'colour'"},
      {"expect", "1: expect needs what to check, e.g. 'expect text あ'"},
      {"expect braille yes", "1: expect braille takes on or off"},
      {"expect messages two", "1: expect messages takes a whole number"},
      {"expect text a\\qb", "1: unknown escape '\\q' (\\n \\r \\t \\s \\\\ \\# \\uXXXX)"},
      {"expect text \\u30", "1: unknown escape '\\u' (\\n \\r \\t \\s \\\\ \\# \\uXXXX)"},
      {"expect text ends\\", "1: a '\\' ends the value; write \\\\ for a backslash"},
      {"expect down Hyper on", "1: unknown key 'Hyper'"},
      {"expect caption", "1: expect caption needs a control, e.g. frmMAIN.lblMODE"},
      {"expect menu-visible help on", "1: expect menu-visible needs a menu item such as mnuHELP"},
      {"click", "1: click needs a control, e.g. 'click cmdTYPE' or 'click frmMsgEx.cmdBTN[1]'"},
      {"click .cmdTYPE",
       "1: click needs a control, e.g. 'click cmdTYPE' or 'click frmMsgEx.cmdBTN[1]'"},
      {"click cmdBTN[x]",
       "1: click needs a control, e.g. 'click cmdTYPE' or 'click frmMsgEx.cmdBTN[1]'"},
      {"click cmdBTN[-1]",
       "1: click needs a control, e.g. 'click cmdTYPE' or 'click frmMsgEx.cmdBTN[1]'"},
      {"tap F1 F2", "1: unknown key 'F1 F2'"},
      {"restart a.txt b.txt", "1: restart takes at most one file name"},
  };
  for (const Case& c : cases) EXPECT_EQ(FirstError(c.script), c.error) << c.script;
  // Every line is checked, and a script with any error yields its steps to no one.
  EXPECT_EQ(ParseScript("expect braille maybe\ntap F1\nexpect mode").errors.size(), 1u);
}

class Expectations : public Scenario {
 protected:
  std::string Failure(std::string_view script) {
    const script::ParsedScript parsed = ParseScript(script);
    EXPECT_TRUE(parsed.errors.empty()) << parsed.errors.front().message;
    S().Run(parsed.steps);
    const auto& failed = S().Failed();
    return failed ? std::to_string(failed->line) + ": " + failed->message : "";
  }
};

TEST_F(Expectations, HoldingOnesLetTheRunGoOn) {
  EXPECT_EQ(Failure("tap F1\nexpect braille on\nchord FL\nexpect reading ｶ\nexpect composition か\n"
                    "expect cell *\nexpect in ｶ\ntap N\nexpect text か\nexpect status 1．0 1 1 2\n"
                    "expect messages 0\nexpect message\nexpect modal off\nexpect down Ctrl on\n"
                    "expect caption lblMODE ひらがな\nexpect visible frmMAIN.lblSTYLE[2] on\n"),
            "");
}

TEST_F(Expectations, ReadTheWindowTheImeAndTheState) {
  EXPECT_EQ(Failure("expect title \\sＯ ｒｖｏ ４ － 新規.txt\nexpect latch off\nexpect enabled "
                    "frmMAIN.cmdIME on\n"
                    "tap F1\nchord FL\nexpect hen か\nexpect conv-stage 1\nexpect input-mode 1\n"
                    "tap N\nexpect kan か\nexpect out ｶ\npress Shift\ntap Left\nrelease Shift\n"
                    "expect selection か\n"),
            "");
}

TEST_F(Expectations, TheFirstFailingOneStopsTheRun) {
  EXPECT_EQ(Failure("tap F1\nchord FL\ntap N\nexpect text き\ntap F1\n"),
            "4: expected text \"き\", got \"か\"");
  EXPECT_TRUE(State().BrailleMode);  // the F1 after it never came
}

TEST_F(Expectations, FailuresShowTheValuesWithEscapes) {
  EXPECT_EQ(Failure("tap F1\nchord FL\ntap N\ntap N\nexpect text か\\n"),
            "5: expected text \"か\\n\", got \"か\\r\\n\"");
  EXPECT_EQ(Failure("expect braille off"), "1: expected braille \"off\", got \"on\"");
  EXPECT_EQ(Failure("expect caption frmNONE.lblX x"),
            "1: expected caption frmNONE.lblX \"x\", but it is not there");
  EXPECT_EQ(Failure("expect menu-checked mnuNOTHING on"),
            "1: expected menu-checked mnuNOTHING \"on\", but it is not there");
}

TEST_F(Expectations, AWaitingMessageBoxIsSeenAndTakesTheLinesAfter) {
  EXPECT_EQ(Failure("tap F1\ntap T\nexpect modal on\n"
                    "expect message 確定文字がありません！\\u3000\\u3000\\u3000\\u3000\n"
                    "expect caption frmMsgEx.cmdBTN[0] ＯＫ\nexpect messages 1\n"
                    "click frmMsgEx.cmdBTN[0]\nexpect modal off\n"),
            "");
  EXPECT_EQ(S().program.messages.History().back().result, 1);
}

TEST_F(Expectations, ClickingAControlNoFormHasStopsTheRun) {
  EXPECT_EQ(Failure("click cmdNOTHING\ntap F1"),
            "1: cannot click frmMAIN.cmdNOTHING: no loaded form has it");
  EXPECT_FALSE(State().BrailleMode);
  EXPECT_EQ(Failure("click frmMsgEx.cmdBTN[0]"),
            "1: cannot click frmMsgEx.cmdBTN[0]: no loaded form has it");
}

// Input stops reaching a program that has ended; what should hold is still checked.
TEST_F(Expectations, AreCheckedAfterTheProgramEnded) {
  EXPECT_EQ(Failure("tap Esc\ntap F1\nexpect braille on\n"),
            "3: expected braille \"on\", got \"off\"");
  EXPECT_TRUE(S().host.Ended());
}

}  // namespace
}  // namespace orvo::testing
