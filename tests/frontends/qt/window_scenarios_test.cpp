// SPDX-License-Identifier: GPL-3.0-or-later
// The window and the headless editor agree: every tests/scenarios/*.keys file
// that holds headless also holds when the window's own script player plays it
// through the Qt front end.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "frontends/script/key_script.h"
#include "frontends/qt/script_feeder.h"
#include "frontends/qt/session_fixture.h"

namespace orvo::testing {
namespace {

std::filesystem::path ScenarioFolder() {
  const char* source = std::getenv("ORVO_SOURCE_DIR");
  return std::filesystem::path(source != nullptr ? source : ".") / "tests" / "scenarios";
}

std::vector<std::string> ScenarioFiles() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(ScenarioFolder(), ec)) {
    // The settings dialog lists the machine's own fonts in the window: those scripts hold headless only.
    const bool machine_fonts = entry.path().filename().string().starts_with("settings_");
    if (entry.path().extension() == ".keys" && !machine_fonts) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class WindowScenario : public QtFrontEnd, public ::testing::WithParamInterface<std::string> {};

TEST_P(WindowScenario, HoldsInTheWindowToo) {
  std::ifstream in(ScenarioFolder() / GetParam(), std::ios::binary);
  ASSERT_TRUE(in) << "cannot read " << GetParam();
  const std::string script{std::istreambuf_iterator<char>(in), {}};
  const script::ParsedScript parsed = script::ParseScript(script);
  ASSERT_TRUE(parsed.errors.empty()) << GetParam();
  // A program killed and started again, and the recovery copy's life around
  // it, are the headless editor's to play; tools/e2e-xvfb kills the window itself.
  if (GetParam().starts_with("recovery_")) GTEST_SKIP() << "headless only: " << GetParam();
  bool done = false;
  std::string failure;
  qt::ScriptFeeder feeder(S(), parsed.steps, [&done] { done = true; });
  feeder.SetOnFailure([&failure](int line, const std::string& message) {
    failure = std::to_string(line) + ": " + message;
  });
  feeder.Start();
  for (int i = 0; i < 5000 && !done; ++i) QCoreApplication::processEvents();
  EXPECT_TRUE(done) << GetParam() << " did not finish";
  EXPECT_EQ(failure, "") << GetParam();
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param.substr(0, info.param.size() - std::string_view(".keys").size());
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Keys, WindowScenario, ::testing::ValuesIn(ScenarioFiles()), TestName);

}  // namespace
}  // namespace orvo::testing
