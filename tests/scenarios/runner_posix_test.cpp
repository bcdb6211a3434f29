// SPDX-License-Identifier: GPL-3.0-or-later
// orvo-headless as other tools use it: a script in, the document or the
// state as JSON out.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

#include "platform/posix/instance_lock.h"
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

struct RunResult {
  int status;
  std::string out;  // standard output
  std::string err;  // standard error
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// `env` goes before the command: "NAME=value ".
RunResult RunHeadless(const std::string& args, const std::string& script,
                      const std::string& env = "") {
  TempFolder dir;
  const std::string script_path = dir.Path() + "/script.txt";
  const std::string err_path = dir.Path() + "/err.txt";
  std::ofstream(script_path) << script;
  const std::string command =
      env + ORVO_HEADLESS_PATH + " " + args + " < " + script_path + " 2> " + err_path;
  RunResult result{-1, {}, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadFile(err_path);
  return result;
}

TEST(Runner, PrintsTheDocument) {
  const RunResult r = RunHeadless("", "tap F1\n# が\nchord K\nchord FL\ntap N\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "が\n");
  EXPECT_EQ(r.err, "");  // the hint for a terminal only when standard input is one
}

TEST(Runner, JsonCarriesTheState) {
  const RunResult r = RunHeadless("--json", "tap F1\nchord SJKL\nchord F\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["text"], "");
  EXPECT_EQ(j["title"], " Ｏ ｒｖｏ ４ － 新規.txt");
  EXPECT_EQ(j["cell"], "A");
  EXPECT_EQ(j["mode"], "数字");
  EXPECT_EQ(j["input_mode"], 2);
  EXPECT_EQ(j["braille_mode"], true);
  EXPECT_EQ(j["latch_held"], true);
  EXPECT_EQ(j["mirrors"]["in"], "1");
  EXPECT_EQ(j["mirrors"]["hen"], "１");
  // The latch went down first: Alt then Ctrl, with the program's own scan bytes.
  ASSERT_GE(j["keys"].size(), 2u);
  EXPECT_EQ(j["keys"][0]["vk"], 0x12);
  EXPECT_EQ(j["keys"][0]["scan"], 0x73);
  EXPECT_EQ(j["keys"][0]["event"], "down");
  EXPECT_EQ(j["keys"][1]["vk"], 0x11);
  EXPECT_EQ(j["keys"][1]["scan"], 0x74);
}

TEST(Runner, DescribePrintsTheSpokenDescriptionAndRefusesBrokenText) {
  const RunResult good = RunHeadless("--describe '箸とＡ'", "");
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, "ワリバシノ ハシ、ヒラガナ と、オオモジ エー\n");
  EXPECT_EQ(good.err, "");
  // A lone continuation byte, then a sequence cut short.
  for (const char* bytes : {"'\\200'", "'\\343\\201'"}) {
    const RunResult bad = RunHeadless(std::string("--describe \"$(printf ") + bytes + ")\"", "");
    EXPECT_EQ(bad.status, 2) << bytes;
    EXPECT_EQ(bad.out, "") << bytes;
    EXPECT_NE(bad.err.find("not valid UTF-8"), std::string::npos) << bad.err;
  }
}

TEST(Runner, MessageBoxTakesTheNextLines) {
  // T with nothing confirmed shows a box; Enter answers it, then typing goes on.
  const RunResult r = RunHeadless("--json", "tap F1\ntap T\ntap Enter\nchord F\ntap N\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  ASSERT_EQ(j["messages"].size(), 1u);
  EXPECT_EQ(j["messages"][0]["flags"], 64);
  EXPECT_EQ(j["messages"][0]["result"], 1);
  EXPECT_EQ(j["text"], "あ");
  EXPECT_EQ(j["modal_waiting"], false);
}

TEST(Runner, ScriptEndingInAMessageBoxPrintsTheStateAsItStands) {
  const RunResult r = RunHeadless("--json", "tap F1\ntap T\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["modal_waiting"], true);
  ASSERT_EQ(j["messages"].size(), 1u);
  EXPECT_EQ(j["messages"][0]["result"], 0);
  // The windows are listed with their controls, as a screen reader would name them.
  const auto& forms = j["forms"];
  ASSERT_EQ(forms.size(), 1u) << forms.dump();
  EXPECT_EQ(forms[0]["name"], "frmMAIN");
  EXPECT_EQ(forms[0]["tag"], 1);
  EXPECT_EQ(forms[0]["active"], true);
  std::string focused, mode_description;
  for (const auto& c : forms[0]["controls"]) {
    if (c["focused"] == true) focused = c["name"].get<std::string>() + std::to_string(c.value("index", -1));
    if (c["name"] == "lblMODE") mode_description = c["description"];
  }
  EXPECT_EQ(focused, "txtJOV0");
  EXPECT_EQ(mode_description, "モード表示");  // set while braille mode is on
}

TEST(Runner, EndedOnlyWhenTheProgramEnded) {
  struct Case {
    const char* script;
    bool ended;
    bool modal_waiting;
  };
  const Case cases[] = {
      {"menu mnuEXIT\n", false, true},  // the exit question still waits
      {"menu mnuEXIT\ntap Enter\n", true, false},
      {"menu mnuEXIT\ntap Esc\n", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    const RunResult r = RunHeadless("--json", c.script);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["ended"], c.ended);
    EXPECT_EQ(j["modal_waiting"], c.modal_waiting);
  }
}

TEST(Runner, BadLinesAreReportedWithTheirNumbers) {
  const RunResult r =
      RunHeadless("", "tap F1\n\nprss F\nchord F?\nwait soon\nresize 5\nmenu exit\nmaximize now\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("<stdin>:6: error"), std::string::npos);
  EXPECT_NE(r.err.find("<stdin>:7: error"), std::string::npos);
  EXPECT_NE(r.err.find("<stdin>:8: error"), std::string::npos);
  EXPECT_NE(r.err.find("<stdin>:3: error: unknown command 'prss'"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("<stdin>:4: error: unknown key '?'"), std::string::npos);
  EXPECT_NE(r.err.find("<stdin>:5: error"), std::string::npos);
}

TEST(Runner, AFailedExpectationSaysWhereAndEndsWithOne) {
  const RunResult r = RunHeadless("", "tap F1\nchord FL\ntap N\nexpect text か\nexpect mode 数字\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("<stdin>:5: expected mode \"数字\", got \"ひらがな\""), std::string::npos) << r.err;
  EXPECT_EQ(RunHeadless("", "tap f1   # on\nexpect braille on\n").status, 0);
  // The clipboard a script filled is the one the program pastes from.
  EXPECT_EQ(RunHeadless("", "expect clipboard x\n").status, 1);
  const RunResult pasted = RunHeadless("--json", "clipboard a\\u3000b\npress Ctrl\ntap V\nrelease Ctrl\nexpect clipboard a\\u3000b\n");
  EXPECT_EQ(pasted.status, 0) << pasted.err;
  EXPECT_NE(pasted.out.find("\"clipboard\": \"a\u3000b\""), std::string::npos) << pasted.out;
}

TEST(Runner, WithoutADictionaryKanaStillWorkAndTheUserIsToldOnce) {
  const RunResult r = RunHeadless("--json --dictionary /nonexistent/orvo.dic",
                                  "tap F1\nchord FL\ntap Space\ntap Space\ntap N\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  int told = 0;
  for (const auto& m : j["messages"]) told += m["text"].get<std::string>().find("かな漢字変換") != std::string::npos;
  EXPECT_EQ(told, 1);
  EXPECT_FALSE(j["text"].get<std::string>().empty());  // か, or its katakana
  EXPECT_NE(r.err.find("Orvo: かな漢字変換の辞書を開けません。\nかなの入力と確定はできますが"),
            std::string::npos)
      << r.err;
}

TEST(Runner, ABrokenDictionaryIsRefusedAndTheRunEndsCleanly) {
  TempFolder dir;
  const std::string text_file = dir.Path() + "/text.dic";
  std::ofstream(text_file) << "a\n";
  const std::string tmp = dir.Path() + "/tmp";
  std::filesystem::create_directory(tmp);
  const RunResult r = RunHeadless("--json --dictionary " + text_file, "tap F1\nchord FL\ntap N\n",
                                  "TMPDIR=" + tmp + " ");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  ASSERT_EQ(j["messages"].size(), 1u);
  EXPECT_EQ(
      j["messages"][0]["text"].get<std::string>().rfind("かな漢字変換の辞書を開けません。", 0), 0u);
  EXPECT_EQ(j["text"], "か");
  EXPECT_TRUE(std::filesystem::is_empty(tmp));  // the run's own program folder went with it
}

// A second start on a folder in use is refused, and says so where the person who started it looks.
TEST(Runner, ASecondStartSaysWhyOnStandardError) {
  TempFolder folder;
  posix::InstanceLock first(folder.Path() + "/.orvo.lock");
  ASSERT_EQ(first.Acquire(), posix::InstanceLock::Result::kAcquired);
  const RunResult r = RunHeadless("--folder " + folder.Path(), "tap F1\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Orvo: 「 Ｏｒｖｏ 」 は 複数 起動できません！\n");
}

TEST(Runner, DrivesTheWindowAndItsMenus) {
  const RunResult r = RunHeadless("--json",
                                  "resize 300 100\n"
                                  "menu mnuV_AREA\n"
                                  "tap F1\n"
                                  "deactivate\n"
                                  "wait 400\n"
                                  "tap Enter\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  const auto& w = j["window"];
  EXPECT_EQ(w["rect_twips"]["width"], 560 * 15);     // snapped to the minimum
  EXPECT_EQ(w["rect_twips"]["height"], 768 * 15);    // the preset: the work area's height
  EXPECT_EQ(w["restore_twips"]["height"], 240 * 15);
  EXPECT_EQ(w["menus"]["mnuV_AREA"]["caption"], "たて最大化 (&T)");
  EXPECT_EQ(j["braille_mode"], false);  // losing activation ended it
  EXPECT_EQ(j["latch_held"], false);
  ASSERT_EQ(j["messages"].size(), 1u);
  EXPECT_EQ(j["messages"][0]["result"], 1);
  EXPECT_EQ(j["messages"][0]["text"].get<std::string>().rfind("***** 警告！ *****", 0), 0u);
  EXPECT_TRUE(j["messages"][0].contains("layout"));
}

TEST(Runner, UnknownOptionsAndCodePagesAreRefused) {
  EXPECT_EQ(RunHeadless("--frobnicate", "").status, 2);
  EXPECT_EQ(RunHeadless("--codepage KOI8", "").status, 2);
  EXPECT_EQ(RunHeadless("--codepage CP932", "").status, 0);
  EXPECT_EQ(RunHeadless("--codepage utf-8", "").status, 0);
}

// The locales a test runs the editor under; ja_JP.UTF-8 is made by tools/install-deps.
const char* const kLocales[] = {"C", "C.UTF-8", "ja_JP.UTF-8"};

// The scenarios of files in UTF-8 and CP932 hold under each locale, whatever
// code page new texts take there.
TEST(Runner, FilesKeepTheirCodePageUnderEveryLocale) {
  const std::filesystem::path scenarios = std::filesystem::path(ORVO_SOURCE_TREE) / "tests" / "scenarios";
  int found = 0;
  for (const auto& entry : std::filesystem::directory_iterator(scenarios)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with("file_encoding_")) continue;
    ++found;
    for (const char* locale : kLocales) {
      std::string quoted = "'";
      quoted += entry.path().string();
      quoted += "'";
      std::string env = "LC_ALL=";
      env += locale;
      env += " ";
      const RunResult r = RunHeadless(quoted, "", env);
      EXPECT_EQ(r.status, 0) << name << " under " << locale << ": " << r.err;
    }
  }
  EXPECT_GE(found, 3);
}

// A new text, and a file of ASCII alone, take the locale's code page unless
// the settings file or --codepage (which wins) names another.
TEST(Runner, NewTextsTakeTheLocalesCodePageOrTheOneNamed) {
  const std::string script =
      "file-bytes ascii.txt 61\nmenu mnuFILE_OPEN\ndialog ascii.txt\nexpect encoding CODE\n"
      "menu mnuFILE_NEW\ntap Enter\ntap F1\nchord F\ntap N\nmenu mnuFILE_SAVEAS\ndialog new.txt\ntap Enter\n"
      "expect bytes new.txt BYTES\n";
  const auto with = [&script](const std::string& code, const std::string& bytes) {
    std::string s = script;
    s.replace(s.find("CODE"), 4, code);
    s.replace(s.find("BYTES"), 5, bytes);
    return s;
  };
  const std::string utf8 = with("UTF-8", "E3 81 82");
  const std::string cp932 = with("CP932", "82 A0");
  EXPECT_EQ(RunHeadless("", utf8, "LC_ALL=C.UTF-8 ").err, "");
  EXPECT_EQ(RunHeadless("", utf8, "LC_ALL=C ").err, "");  // the plain C locale writes UTF-8
  EXPECT_EQ(RunHeadless("--codepage CP932", cp932, "LC_ALL=C.UTF-8 ").err, "");
  TempFolder folder;
  std::ofstream(folder.Path() + "/Orvo_4.ini") << "[SETTING]\r\nCodePage=CP932\r\n";
  EXPECT_EQ(RunHeadless("--folder '" + folder.Path() + "'", cp932, "LC_ALL=C.UTF-8 ").err, "");
  EXPECT_EQ(RunHeadless("--codepage UTF-8 --folder '" + folder.Path() + "'", utf8, "LC_ALL=C.UTF-8 ").err, "");
}

// A failed save names the message's tag, the system's number, a space, the
// system's description in the user's language and the file.
TEST(Runner, AFailedSaveIsToldInTheUsersLanguageWithItsFile) {
  TempFolder folder;
  const auto script = [&folder](const std::string& description) {
    return "tap F1\nchord F\ntap N\nmenu mnuFILE_SAVEAS\ndialog nofolder/x.txt\n"
           "expect message Save_AD_Err-2 " + description + "\\r\\n\\r\\nファイル：" + folder.Path() +
           "/nofolder/x.txt\ntap Enter\nexpect text あ\nexpect modified on\n";
  };
  const std::string args = "--folder '" + folder.Path() + "'";
  EXPECT_EQ(RunHeadless(args, script("そのようなファイルやディレクトリはありません"), "LC_ALL=ja_JP.UTF-8 ").err, "");
  EXPECT_EQ(RunHeadless(args, script("No such file or directory"), "LC_ALL=C ").err, "");
}

}  // namespace
}  // namespace orvo::testing
