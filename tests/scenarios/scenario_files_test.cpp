// SPDX-License-Identifier: GPL-3.0-or-later
// Every tests/scenarios/*.keys file is one test: a key script whose expect
// lines say what must hold, run on a fresh program in its own folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "frontends/headless/script_run.h"
#include "scenarios/scenario_fixture.h"

namespace orvo::testing {
namespace {

std::filesystem::path ScenarioFolder() {
  const char* source = std::getenv("ORVO_SOURCE_DIR");
  return std::filesystem::path(source != nullptr ? source : ORVO_SOURCE_TREE) / "tests" /
         "scenarios";
}

std::vector<std::string> ScenarioFiles() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(ScenarioFolder(), ec)) {
    if (entry.path().extension() == ".keys") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string TestName(const std::string& file) {
  std::string name = file.substr(0, file.size() - std::string_view(".keys").size());
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class ScenarioFile : public ::testing::TestWithParam<std::string> {};

// Scenarios that hold on Linux only, and why.
struct OtherSystem {
  std::string_view file;
  std::string_view why;
};
#if defined(_WIN32)
constexpr OtherSystem kLinuxOnly[] = {
    {"recovery_refused.keys", "its copies name the user 0 (root, who runs the Linux tests); Windows names users by SID"},
};
#else
constexpr OtherSystem kLinuxOnly[] = {{"", ""}};
#endif

TEST_P(ScenarioFile, Holds) {
  const std::string& file = GetParam();
  for (const OtherSystem& other : kLinuxOnly) {
    if (other.file == file) GTEST_SKIP() << other.why;
  }
  std::ifstream in(ScenarioFolder() / file, std::ios::binary);
  ASSERT_TRUE(in) << "cannot read " << file;
  const std::string script{std::istreambuf_iterator<char>(in), {}};
  const script::ParsedScript parsed = script::ParseScript(script);
  for (const auto& e : parsed.errors)
    ADD_FAILURE() << file << ":" << e.line << ": error: " << e.message;
  ASSERT_TRUE(parsed.errors.empty());

  TempFolder folder;
  const headless::ScriptRun run = headless::RunScript(folder.Path(), {}, parsed.steps);
  ASSERT_TRUE(run.started);
  if (const auto& failed = run.session->Failed())
    FAIL() << file << ":" << failed->line << ": " << failed->message;
}

INSTANTIATE_TEST_SUITE_P(Keys, ScenarioFile, ::testing::ValuesIn(ScenarioFiles()),
                         [](const auto& param_info) { return TestName(param_info.param); });

TEST(ScenarioFiles, AreFound) { EXPECT_FALSE(ScenarioFiles().empty()) << ScenarioFolder(); }

}  // namespace
}  // namespace orvo::testing
