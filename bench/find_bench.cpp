// SPDX-License-Identifier: GPL-3.0-or-later
// How long "find next" takes over a document at the size limit (60,000 bytes
// of half-width text) with the only match at its very end: the engine's search
// from the start, with and without regard to letter case, as the find dialog
// and 次を検索 run it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "editing/find_replace.h"
#include "platform/emulated/desktop.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Stats {
  double median_us;
  double worst_us;
};

Stats Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return {samples[samples.size() / 2], samples.back()};
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 500;
  orvo::emu::Desktop desktop;
  auto box = desktop.CreateEditControl();
  box->SetLimit(0);
  // Lines of half-width text, 60,000 bytes with the match as the last word.
  const orvo::ustring line = u"The quick brown fox jumps over the lazy dog 0123456789.\r\n";
  orvo::ustring text;
  while (text.size() + line.size() + 6 < 60000) text += line;
  text += u"Needle";
  box->SetText(text);

  orvo::editing::SearchState state;
  state.text = u"needle";
  int messages = 0;
  orvo::editing::FindReplace finder(
      state, {[&box]() -> orvo::EditControl& { return *box; },
              [&messages](int, const orvo::ustring&, orvo::MessageFlags) { ++messages; }});
  std::printf("find next over %zu characters, the match at %zu (%d rounds)\n", text.size(),
              text.size() - 6, rounds);
  for (const int match_case : {0, 1}) {
    state.match_case = match_case;
    state.text = match_case != 0 ? u"Needle" : u"needle";
    std::vector<double> us;
    for (int i = 0; i < rounds; ++i) {
      box->SetSel(0, 0);
      const auto start = Clock::now();
      const bool found = finder.FindNext();
      us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
      if (!found || box->SelStart() != static_cast<int>(text.size()) - 6) {
        std::fprintf(stderr, "the match was not found where it is\n");
        return 1;
      }
    }
    const Stats s = Summarise(us);
    std::printf("  case %-7s median %8.1f us   worst %8.1f us   (a screen frame: 16667 us)\n",
                match_case != 0 ? "exact" : "ignored", s.median_us, s.worst_us);
  }
  return messages == 0 ? 0 : 1;
}
