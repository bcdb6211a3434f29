// SPDX-License-Identifier: GPL-3.0-or-later
// Which engine converts: named by the option or the settings file, else
// mozc when it is usable, else anthy.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "mozc_fixture.h"
#include "frontends/shared/engine_choice.h"
#include "frontends/shared/engine_setting.h"
#include "platform/emulated/system_code_page.h"
#include "platform/posix/posix_file_system.h"
#include "support/temp_folder.h"

namespace orvo::emu::testing {
namespace {

TEST(EngineChoiceTest, NamesAndTheSettingsFile) {
  EXPECT_EQ(ParseEngineChoice("auto"), EngineChoice::kAuto);
  EXPECT_EQ(ParseEngineChoice("Mozc"), EngineChoice::kMozc);
  EXPECT_EQ(ParseEngineChoice("ANTHY"), EngineChoice::kAnthy);
  EXPECT_FALSE(ParseEngineChoice(""));
  EXPECT_FALSE(ParseEngineChoice("mozc "));

  test_support::TempFolder folder;
  posix::PosixFileSystem files;
  ConvertingCodePage code_page(CodePage::kCp932);
  auto read = [&](const char* file_text, EngineChoice fallback) {
    if (file_text != nullptr) std::ofstream(folder.Path() + "/Orvo_4.ini") << file_text;
    return ReadEngineSetting(folder.Path(), fallback, files, code_page);
  };
  EXPECT_EQ(read(nullptr, EngineChoice::kAuto), EngineChoice::kAuto);  // no file
  EXPECT_EQ(read("[SETTING]\r\nBC=0\r\n", EngineChoice::kAnthy), EngineChoice::kAnthy);
  EXPECT_EQ(read("[SETTING]\r\nEngine=mozc\r\n", EngineChoice::kAnthy), EngineChoice::kMozc);
  EXPECT_EQ(read("[MRU]\r\nEngine=mozc\r\n", EngineChoice::kAnthy), EngineChoice::kAnthy);
  EXPECT_EQ(read("[SETTING]\r\nEngine=kotoeri\r\n", EngineChoice::kAuto), EngineChoice::kAuto);
}

TEST(EngineChoiceTest, AnthyByNameAndWhenMozcCannotConvert) {
  test_support::TempFolder folder;
  StartedEngine anthy = StartEngine({EngineChoice::kAnthy, folder.Path(), false, "", nullptr});
  EXPECT_EQ(anthy.name, "anthy");
  EXPECT_TRUE(anthy.mozc_error.empty());  // not even tried
  ASSERT_NE(anthy.engine, nullptr);
  anthy.engine.reset();
  if (geteuid() != 0) GTEST_SKIP() << "the superuser's case needs root";
  StartedEngine root = StartEngine({EngineChoice::kAuto, folder.Path(), false, "", nullptr});
  EXPECT_EQ(root.name, "anthy");
  EXPECT_NE(root.mozc_error.find("superuser"), std::string::npos) << root.mozc_error;
}

TEST(EngineChoiceTest, MozcWhenItIsUsable) {
  SKIP_WITHOUT_MOZC();
  test_support::TempFolder folder;
  for (const EngineChoice choice : {EngineChoice::kAuto, EngineChoice::kMozc}) {
    StartedEngine started = StartEngine({choice, folder.Path(), false, "", nullptr});
    EXPECT_EQ(started.name, "mozc") << started.mozc_error;
    ASSERT_NE(started.engine, nullptr);
    EXPECT_TRUE(started.engine->SetString(u"へんかん"));
  }
}

}  // namespace
}  // namespace orvo::emu::testing
