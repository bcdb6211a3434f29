// SPDX-License-Identifier: GPL-3.0-or-later
// The source tree stands in floors: a folder includes its own floor and the
// floors below it, never one above, and the front ends never borrow from each
// other. The order is written once, here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace orvo::testing {
namespace {

namespace fs = std::filesystem;

// Lowest first. A folder named here holds every folder below it that is not
// named itself (platform/emulated is on the platform's floor).
// clang-format off
constexpr std::string_view kFloors[][3] = {
    {"platform"},
    {"toolkit"},
    {"readings"},
    {"editing"},
    {"braille"},
    {"files"},
    {"settings"},
    {"help"},
    {"app"},
    {"frontends/shared"},
    {"frontends/script"},
    {"frontends/headless", "frontends/qt", "frontends/win32"},  // side by side, apart
};
// clang-format on

struct Place {
  int floor = -1;
  std::string_view folder;
};

// The floor of a path under src/ ("braille/cell_codes.h"), by its longest named folder.
std::optional<Place> PlaceOf(std::string_view path) {
  std::optional<Place> best;
  for (int floor = 0; floor < static_cast<int>(std::size(kFloors)); ++floor) {
    for (std::string_view folder : kFloors[floor]) {
      if (folder.empty() || !path.starts_with(folder) || path.size() <= folder.size() ||
          path[folder.size()] != '/')
        continue;
      if (!best || folder.size() > best->folder.size()) best = Place{floor, folder};
    }
  }
  return best;
}

// Why `from` may not include `to`; nothing when it may.
std::optional<std::string> Refusal(std::string_view from, std::string_view to) {
  const auto a = PlaceOf(from);
  const auto b = PlaceOf(to);
  if (!a || !b) return std::nullopt;  // not a folder of the program (a standard header)
  if (b->floor > a->floor) return std::string(b->folder) + " stands above " + std::string(a->folder);
  if (b->floor == a->floor && b->folder != a->folder)
    return std::string(a->folder) + " and " + std::string(b->folder) + " stand apart";
  return std::nullopt;
}

fs::path SourceRoot() {
  const char* source = std::getenv("ORVO_SOURCE_DIR");
  return (source != nullptr ? fs::path(source) : fs::path(ORVO_SOURCE_TREE)) / "src";
}

TEST(Floors, ReadsTheOrderOfFolders) {
  EXPECT_FALSE(Refusal("braille/chord.cpp", "platform/keys.h"));
  EXPECT_FALSE(Refusal("braille/chord.cpp", "braille/tables/cell_tables.h"));
  EXPECT_FALSE(Refusal("frontends/qt/main_view.cpp", "frontends/shared/options.h"));
  EXPECT_FALSE(Refusal("platform/emulated/desktop.cpp", "platform/keys.h"));
  EXPECT_TRUE(Refusal("editing/find_window.cpp", "app/program.h"));
  EXPECT_TRUE(Refusal("toolkit/forms/form.h", "app/main_window_layout.h"));
  EXPECT_TRUE(Refusal("platform/emulated/x.cpp", "frontends/shared/emulated_system.h"));
  EXPECT_TRUE(Refusal("frontends/qt/script_feeder.cpp", "frontends/headless/key_script.h"));
  EXPECT_FALSE(Refusal("app/program.cpp", "vector"));
}

TEST(Floors, NoFolderIncludesOneAboveIt) {
  const fs::path src = SourceRoot();
  const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
  int files = 0;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(src, ec); !ec && it != fs::end(it); it.increment(ec)) {
    const auto ext = it->path().extension();
    if (!it->is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    ++files;
    const std::string from = fs::relative(it->path(), src).generic_string();
    std::ifstream in(it->path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      std::smatch m;
      if (!std::regex_search(line, m, include)) continue;
      if (const auto why = Refusal(from, m[1].str()))
        ADD_FAILURE() << from << ":" << number << ": includes " << m[1].str() << " (" << *why << ")";
    }
  }
  EXPECT_GT(files, 100) << "no sources under " << src;
}

// Small files with one job each: a file past this has more than one.
TEST(SourceFiles, NoneIsLongerThan500Lines) {
  const fs::path src = SourceRoot();
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(src, ec); !ec && it != fs::end(it); it.increment(ec)) {
    const auto ext = it->path().extension();
    if (!it->is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    std::ifstream in(it->path());
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    EXPECT_LE(lines, 500) << fs::relative(it->path(), src).generic_string();
  }
}

}  // namespace
}  // namespace orvo::testing
