// SPDX-License-Identifier: GPL-3.0-or-later
// How long describing a candidate takes, as the announcer does on each Space:
// a clause of 10 characters (kanji, kana and a full-width digit), and one of
// 100 characters, which is cut after the first part. The first call is timed
// apart: it is the one that meets the table cold.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "readings/describer.h"

namespace {

using Clock = std::chrono::steady_clock;

double Micros(Clock::time_point since) {
  return std::chrono::duration<double, std::micro>(Clock::now() - since).count();
}

void Measure(const char* what, const orvo::ustring& text, int rounds) {
  std::vector<double> us;
  std::size_t length = 0;
  for (int i = 0; i < rounds; ++i) {
    const auto start = Clock::now();
    length += orvo::readings::Describe(text).size();
    us.push_back(Micros(start));
  }
  std::sort(us.begin(), us.end());
  std::printf("%-28s %3zu chars: median %7.2f us, p99 %7.2f us, worst %7.2f us (%zu chars said)\n", what,
              text.size(), us[us.size() / 2], us[us.size() * 99 / 100], us.back(), length / rounds);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 20000;
  const orvo::ustring ten = u"東京都の第３回会議で";
  const auto first = Clock::now();
  orvo::readings::Describe(ten);
  std::printf("first description (cold): %.2f us\n", Micros(first));
  Measure("candidate of 10", ten, rounds);
  orvo::ustring hundred;
  while (hundred.size() < 100) hundred += ten;
  Measure("candidate of 100", hundred, rounds);
  Measure("katakana and latin", u"コンピューターＡＢＣ", rounds);
  return 0;
}
