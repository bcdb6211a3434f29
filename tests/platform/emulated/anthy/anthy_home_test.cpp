// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "anthy_fixture.h"
#include "support/temp_folder.h"

namespace orvo::emu::testing {
namespace {

namespace fs = std::filesystem;

TempHomePaths g_paths;
int g_fresh = 0;

// $HOME points into a temporary folder for the whole program, so that even
// code that trusts $HOME cannot reach the real one.
class TempHomeEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    folder_ = std::make_unique<test_support::TempFolder>();
    ASSERT_FALSE(folder_->Path().empty());
    if (const char* home = getenv("HOME")) g_paths.real_home = home;
    g_paths.home = folder_->Path() + "/home";
    fs::create_directory(g_paths.home);
    setenv("HOME", g_paths.home.c_str(), 1);
  }
  void TearDown() override {
    if (g_paths.real_home.empty()) {
      unsetenv("HOME");
    } else {
      setenv("HOME", g_paths.real_home.c_str(), 1);
    }
    folder_.reset();
  }

 private:
  std::unique_ptr<test_support::TempFolder> folder_;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new TempHomeEnvironment);

// What lies in a folder's .anthy: names with size and time, or nothing at all.
using Listing = std::optional<std::map<std::string, std::string>>;

Listing AnthyFolder(const std::string& home) {
  std::error_code ec;
  const fs::path folder = fs::path(home) / ".anthy";
  if (!fs::is_directory(folder, ec)) return std::nullopt;
  std::map<std::string, std::string> out;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const auto size = entry.is_regular_file(ec) ? entry.file_size(ec) : 0;
    const auto time = entry.last_write_time(ec).time_since_epoch().count();
    out[entry.path().filename().string()] = std::to_string(size) + "@" + std::to_string(time);
  }
  return out;
}

// The account's home as anthy finds it: from the password database, not $HOME.
std::string AccountHome() {
  const passwd* entry = getpwuid(getuid());
  return entry && entry->pw_dir ? entry->pw_dir : "";
}

bool HasFiles(const std::string& folder) {
  std::error_code ec;
  return fs::exists(folder, ec) && !fs::is_empty(folder, ec);
}

// Converts and confirms a sentence, which is when anthy learns.
void ConvertAndConfirm(ConversionEngine* engine) {
  ImeEmulator ime(engine);
  ime.SetImeMode(4);
  Play(ime, u"watashihanihongowokakimasu{Space}{Right}{Space}{Enter}");
  EXPECT_FALSE(ime.ResultString().empty());
}

}  // namespace

const TempHomePaths& TempHome() { return g_paths; }

std::string FreshFolder(const std::string& name) {
  return g_paths.home + "/" + name + "-" + std::to_string(++g_fresh);
}

namespace {

TEST(AnthyHome, LearningGoesToTheDataFolderAndNowhereElse) {
  const std::string account = AccountHome();
  const Listing account_before = AnthyFolder(account);
  const Listing real_before = AnthyFolder(TempHome().real_home);
  const std::string data = FreshFolder("learning");
  {
    std::string error;
    auto engine = MakeAnthyEngine({data, true, ""}, &error);
    ASSERT_NE(engine, nullptr) << error;
    ConvertAndConfirm(engine.get());
  }
  EXPECT_TRUE(HasFiles(data + "/.anthy")) << "anthy learnt nothing where it was told to";
  EXPECT_EQ(AnthyFolder(account), account_before) << account;
  EXPECT_EQ(AnthyFolder(TempHome().real_home), real_before) << TempHome().real_home;
  EXPECT_EQ(AnthyFolder(TempHome().home), std::nullopt);
}

TEST(AnthyHome, WithoutLearningNothingIsWritten) {
  const Listing account_before = AnthyFolder(AccountHome());
  const std::string data = FreshFolder("silent");
  {
    std::string error;
    auto engine = MakeAnthyEngine({data, false, ""}, &error);
    ASSERT_NE(engine, nullptr) << error;
    for (int i = 0; i < 3; ++i) ConvertAndConfirm(engine.get());
  }
  EXPECT_FALSE(fs::exists(data));
  EXPECT_EQ(AnthyFolder(AccountHome()), account_before);
  EXPECT_EQ(AnthyFolder(TempHome().home), std::nullopt);
}

TEST(AnthyHome, RefusedOptionsSayWhy) {
  const std::string file = FreshFolder("plain-file");
  std::ofstream(file) << "not a folder";
  struct Case {
    const char* name;
    AnthyOptions options;
    std::string_view error;
  };
  const Case cases[] = {
      {"no data folder", {"", false, ""}, "no folder"},
      {"data folder is a file", {file + "/sub", true, ""}, "cannot be made"},
      {"missing dictionary", {FreshFolder("d"), false, file + ".dic"}, "is missing"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    EXPECT_EQ(MakeAnthyEngine(c.options, &error), nullptr);
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
}

TEST(AnthyHome, EnginesShareOneStartWithTheSameOptions) {
  const std::string data = FreshFolder("shared");
  std::string error;
  auto first = MakeAnthyEngine({data, false, ""}, &error);
  auto second = MakeAnthyEngine({data, false, ""}, &error);
  ASSERT_NE(first, nullptr) << error;
  ASSERT_NE(second, nullptr) << error;
  EXPECT_EQ(MakeAnthyEngine({data, true, ""}, &error), nullptr);
  EXPECT_NE(error.find("other settings"), std::string::npos) << error;
  first.reset();
  ASSERT_TRUE(second->SetString(u"にほんご"));
  EXPECT_EQ(U8(second->GetSegment(0, 0)), "日本語");
}

// anthy keeps a failed dictionary for the rest of the process, so the failure
// is tried in a child process of its own.
TEST(AnthyHomeDeathTest, ADictionaryAnthyCannotLoadGivesNoEngine) {
  const std::string empty_dictionary = FreshFolder("empty") + ".dic";
  std::ofstream{empty_dictionary};
  EXPECT_EXIT(
      {
        std::string error;
        auto engine = MakeAnthyEngine({FreshFolder("d"), false, empty_dictionary}, &error);
        const bool said_why = error.find("could not load") != std::string::npos;
        _exit(engine == nullptr && said_why ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace orvo::emu::testing
