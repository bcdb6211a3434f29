// SPDX-License-Identifier: GPL-3.0-or-later
// The command line both programs share: which words are options, which are
// their values, and what makes a line wrong.
#include "frontends/shared/options.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace orvo::testing {
namespace {

using emu::CodePage;
using options::CommandLine;
using options::OptionRow;

constexpr OptionRow kOwn[] = {{"--json", false}, {"--script", true}};

CommandLine Parse(std::vector<std::string> args) { return options::ParseCommandLine(args, kOwn); }

TEST(CommandLine, SharedAndOwnOptionsWithTheirValuesAndTheWordsLeft) {
  const CommandLine line =
      Parse({"--folder", "/tmp/f", "my", "--json", "--engine", "ANTHY", "--script", "s.keys", "notes.txt", "--codepage", "locale"});
  EXPECT_FALSE(line.Wrong());
  EXPECT_EQ(line.folder, "/tmp/f");
  EXPECT_EQ(line.engine, emu::EngineChoice::kAnthy);
  EXPECT_EQ(line.code_page, CodePage::kLocale);
  EXPECT_TRUE(line.Has("--json"));
  EXPECT_EQ(line.Value("--script"), "s.keys");
  EXPECT_FALSE(line.Has("--dump-state"));
  EXPECT_EQ(line.words, (std::vector<std::string>{"my", "notes.txt"}));
}

TEST(CommandLine, AValueIsNeverReadAsAnOption) {
  const CommandLine line = Parse({"--folder", "--help", "--script", "--version"});
  EXPECT_FALSE(line.help);
  EXPECT_FALSE(line.version);
  EXPECT_EQ(line.folder, "--help");
  EXPECT_EQ(line.Value("--script"), "--version");
  EXPECT_TRUE(Parse({"-h"}).help);
  EXPECT_TRUE(Parse({"notes.txt", "--version"}).version);
}

TEST(CommandLine, WrongLinesSayWhatIsWrong) {
  const struct {
    std::vector<std::string> args;
    const char* unknown;
    const char* engine;
    const char* code_page;
  } cases[] = {
      {{"--bogus", "--also-bogus"}, "--bogus", nullptr, nullptr},
      {{"--folder"}, "--folder", nullptr, nullptr},  // the value is missing
      {{"--script"}, "--script", nullptr, nullptr},
      {{"--engine", "atok"}, nullptr, "atok", nullptr},
      {{"--codepage", "EUC-JP"}, nullptr, nullptr, "EUC-JP"},
  };
  for (const auto& c : cases) {
    const CommandLine line = Parse(c.args);
    EXPECT_TRUE(line.Wrong()) << c.args.front();
    EXPECT_EQ(line.unknown.value_or(""), c.unknown ? c.unknown : "") << c.args.front();
    EXPECT_EQ(line.bad_engine.value_or(""), c.engine ? c.engine : "") << c.args.front();
    EXPECT_EQ(line.bad_code_page.value_or(""), c.code_page ? c.code_page : "") << c.args.front();
  }
  EXPECT_EQ(Parse({"--codepage", "cp932"}).code_page, CodePage::kCp932);
  EXPECT_EQ(Parse({"--codepage", "CP932"}).code_page, CodePage::kCp932);
  EXPECT_EQ(Parse({"--codepage", "utf-8"}).code_page, CodePage::kUtf8);
  EXPECT_TRUE(Parse({"--bogus", "--help"}).help) << "help is read past a wrong word";
}

// An option left without its value is said so, not called unknown.
TEST(CommandLine, AMissingValueIsToldApartFromAnUnknownWord) {
  EXPECT_TRUE(Parse({"--folder"}).value_missing);
  EXPECT_FALSE(Parse({"--bogus"}).value_missing);
  EXPECT_FALSE(Parse({"--bogus", "--folder"}).value_missing) << "the first wrong word is the one told";
  EXPECT_EQ(options::WrongText(Parse({"--folder"}), "orvo"), "orvo: '--folder' wants a value after it\n");
}

// What is said of a wrong line names the program and each wrong word, a
// long word or one in kana whole; a right line says nothing.
TEST(CommandLine, TheTextOfAWrongLineNamesEveryWrongWordWhole) {
  EXPECT_EQ(options::WrongText(Parse({"--json"}), "orvo"), "");
  EXPECT_EQ(options::WrongText(Parse({"--engine", "atok", "--codepage", "EUC", "--かな"}), "orvo"),
            "orvo: unknown argument '--かな'\n"
            "orvo: unknown engine 'atok' (auto, mozc or anthy)\n"
            "orvo: unknown code page 'EUC' (CP932, UTF-8 or locale)\n");
  const std::string long_word = "--" + std::string(5000, 'x');
  EXPECT_EQ(options::WrongText(Parse({long_word}), "orvo"), "orvo: unknown argument '" + long_word + "'\n");
}

}  // namespace
}  // namespace orvo::testing
