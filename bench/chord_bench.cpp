// SPDX-License-Identifier: GPL-3.0-or-later
// How long one braille chord takes, from the key events to the composed
// reading and the refreshed status line, on a document at the size limit.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "frontends/headless/session.h"
#include "platform/keys.h"

namespace {

using Clock = std::chrono::steady_clock;

// About 60,000 bytes in the system code page: lines of full-width text.
orvo::ustring FullSizeDocument() {
  const orvo::ustring line = u"点字で書いた日本語の文章がここに続きます。かなとカナと漢字。\r\n";
  orvo::ustring text;
  while (text.size() * 2 < 59000) text += line;
  return text;
}

struct Stats {
  double median_us;
  double p99_us;
  double worst_us;
};

Stats Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const auto at = [&](double q) {
    return samples[static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1))];
  };
  return {at(0.5), at(0.99), samples.back()};
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
  std::string folder = (std::filesystem::temp_directory_path() / "orvo-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  {
    orvo::headless::Session s(folder);
    if (!s.Start()) return 1;
    s.Main().ActiveTextBox().SetLimit(0);
    s.Main().ActiveTextBox().SetText(FullSizeDocument());
    s.Main().ActiveTextBox().SetSel(static_cast<int>(s.Text().size()), 0);
    s.Tap(orvo::vk::kF1);

    // The cells of か, き, く, then Enter: a steady mix of composing and confirming.
    const char* chords[] = {"FL", "FDL", "FJL"};
    std::vector<double> chord_us;
    std::vector<double> confirm_us;
    for (int i = 0; i < rounds; ++i) {
      const auto start = Clock::now();
      s.Chord(chords[i % 3]);
      chord_us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
      if (i % 3 == 2) {
        const auto confirm_start = Clock::now();
        s.Tap('N');
        confirm_us.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - confirm_start).count());
      }
    }
    const Stats chord = Summarise(chord_us);
    const Stats confirm = Summarise(confirm_us);
    std::printf("document: %zu characters\n", s.Text().size());
    std::printf("%-22s %10s %10s %10s\n", "operation", "median us", "p99 us", "worst us");
    std::printf("%-22s %10.1f %10.1f %10.1f\n", "chord (press+release)", chord.median_us,
                chord.p99_us, chord.worst_us);
    std::printf("%-22s %10.1f %10.1f %10.1f\n", "confirm (N)", confirm.median_us, confirm.p99_us,
                confirm.worst_us);
    std::printf("a screen frame is 16,667 us\n");
  }
  std::filesystem::remove_all(folder);
  return 0;
}
