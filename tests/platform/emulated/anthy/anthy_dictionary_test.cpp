// SPDX-License-Identifier: GPL-3.0-or-later
// Dictionaries anthy cannot use are refused before anthy is given them: each
// kind of broken file gives no engine and a reason, the process lives on, and
// anthy's own dictionary still starts afterwards.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "anthy_fixture.h"
#include "platform/emulated/anthy/anthy_dictionary_check.h"

namespace orvo::emu::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kInstalledDictionary = "/usr/share/anthy/anthy.dic";

std::vector<char> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string Write(const std::string& name, const std::vector<char>& bytes) {
  const std::string path = FreshFolder(name) + ".dic";
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::vector<char> Prefix(const std::vector<char>& bytes, std::size_t size) {
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(size, bytes.size()))};
}

class AnthyDictionary : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::is_regular_file(kInstalledDictionary)) GTEST_SKIP() << "no " << kInstalledDictionary;
    real_ = ReadAll(kInstalledDictionary);
  }
  std::vector<char> real_;
};

TEST_F(AnthyDictionary, BrokenFilesAreRefusedWithAReason) {
  std::mt19937 random(7);
  std::vector<char> noise(4096);
  for (char& c : noise) c = static_cast<char>(random());
  // The real table over contents that are not a dictionary's: only anthy can tell.
  // The word section is filled up to where the second one begins (its offset at byte 24).
  std::vector<char> hollow = real_;
  std::size_t second = 0;
  for (int i = 24; i < 28; ++i) second = second << 8 | static_cast<unsigned char>(real_[i]);
  ASSERT_LT(second, hollow.size());
  std::fill(hollow.begin() + 0x100, hollow.begin() + static_cast<std::ptrdiff_t>(second), '\xFF');

  const std::string folder = FreshFolder("folder.dic");
  fs::create_directories(folder);
  const std::string fifo = FreshFolder("fifo") + ".dic";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

  struct Case {
    std::string name;
    std::string path;
    std::string_view reason;
  };
  const std::vector<Case> cases = {
      {"empty", Write("empty", {}), "too short"},
      {"two bytes of text", Write("text", {'a', '\n'}), "too short"},
      {"random bytes", Write("random", noise), "table"},
      {"the table alone", Write("table", Prefix(real_, 192)), "outside the file"},
      {"a page of it", Write("page", Prefix(real_, 4096)), "outside the file"},
      {"half of it", Write("half", Prefix(real_, real_.size() / 2)), "outside the file"},
      {"most of it", Write("most", Prefix(real_, real_.size() - 40000)), "cut short"},
      {"all but its last bytes", Write("short", Prefix(real_, real_.size() - 8)), "cut short"},
      {"a folder", folder, "not a file"},
      {"a pipe", fifo, "not a file"},
      {"missing", FreshFolder("missing") + ".dic", "missing"},
      {"hollow", Write("hollow", hollow), "anthy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string fault = AnthyDictionaryFault(c.path, FreshFolder("home"));
    EXPECT_NE(fault.find(c.reason), std::string::npos) << fault;
    std::string error;
    EXPECT_EQ(MakeAnthyEngine({FreshFolder("d"), false, c.path}, &error), nullptr);
    EXPECT_FALSE(error.empty());
  }
  // Nothing was handed to anthy, so its own dictionary is still there to start.
  EXPECT_NE(QuietAnthy(), nullptr);
}

TEST_F(AnthyDictionary, AnUnreadableFileIsRefused) {
  const std::string path = Write("unreadable", real_);
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  if (std::ifstream(path).good()) GTEST_SKIP() << "this account reads every file";
  EXPECT_EQ(AnthyDictionaryFault(path, FreshFolder("home")), "it cannot be read");
}

TEST_F(AnthyDictionary, AWholeCopyConverts) {
  const std::string path = Write("copy", real_);
  EXPECT_EQ(AnthyDictionaryFault(path, FreshFolder("home")), "");
  std::string error;
  auto engine = MakeAnthyEngine({FreshFolder("d"), false, path}, &error);
  ASSERT_NE(engine, nullptr) << error;
}

}  // namespace
}  // namespace orvo::emu::testing
