// SPDX-License-Identifier: GPL-3.0-or-later
// How long opening and saving a document at the size limit take, through the
// file menu as a person would (the dialogs answered by a script), with the
// real file system: a 60,000-byte CP932 file of LF lines.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frontends/headless/session.h"

namespace {

using Clock = std::chrono::steady_clock;

// 60,000 bytes: lines of full-width text (2 bytes a character), LF line ends.
std::string FullSizeFile() {
  const std::string line = "\x93\x5f\x8e\x9a\x82\xc5\x8f\x91\x82\xa2\x82\xbd\x95\xb6\x8f\xcd\x81\x42\n";  // 点字で書いた文章。
  std::string bytes;
  while (bytes.size() + line.size() <= 60000) bytes += line;
  bytes.append(60000 - bytes.size(), 'a');
  return bytes;
}

struct Stats {
  double median_ms;
  double worst_ms;
};

Stats Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return {samples[samples.size() / 2], samples.back()};
}

double Run(orvo::headless::Session& s, const std::string& script) {
  const auto parsed = orvo::script::ParseScript(script);
  const auto start = Clock::now();
  s.Run(parsed.steps);
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  if (s.Failed()) {
    std::fprintf(stderr, "file_bench: %s\n", s.Failed()->message.c_str());
    std::exit(1);
  }
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;
  std::string folder = (std::filesystem::temp_directory_path() / "orvo-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  std::ofstream(folder + "/full.txt", std::ios::binary) << FullSizeFile();
  std::vector<double> open_ms;
  std::vector<double> save_ms;
  {
    orvo::headless::Session s(folder);
    if (!s.Start()) return 1;
    for (int i = 0; i < rounds; ++i) {
      // A new text between rounds, so that every open reads the file again.
      Run(s, s.Text().empty() ? "menu mnuFILE_NEW\n" : "menu mnuFILE_NEW\ntap Enter\n");
      open_ms.push_back(Run(s, "menu mnuFILE_OPEN\ndialog full.txt\n"));
      if (s.Text().empty()) return 1;
      // One character changed and taken back: the save writes all 60,000 bytes.
      s.Main().ActiveTextBox().SetModified(true);
      save_ms.push_back(Run(s, "menu mnuFILE_SAVE\ntap Enter\n"));
    }
  }
  std::filesystem::remove_all(folder);
  const Stats open = Summarise(open_ms);
  const Stats save = Summarise(save_ms);
  std::printf("open 60,000 bytes:  median %.2f ms, worst %.2f ms (%d rounds)\n", open.median_ms, open.worst_ms, rounds);
  std::printf("save 60,000 bytes:  median %.2f ms, worst %.2f ms (flushed to disk each time)\n", save.median_ms,
              save.worst_ms);
  return 0;
}
