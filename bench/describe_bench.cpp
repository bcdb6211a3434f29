// SPDX-License-Identifier: GPL-3.0-or-later
// How long describing a candidate takes, as the announcer does on each Space:
// a clause of 10 characters (kanji, kana and a full-width digit), and one of
// 100 characters, which is cut after the first part. The first call is timed
// apart: it is the one that meets the table cold.
//
// Then what the table adds to a program's start: startup_probe_bare (starts
// and ends), startup_probe_table (the same with the describer and its table
// linked in) and startup_probe_table describe (which also says 箸, as a
// program does at its first candidate), each started many times in turn from
// beside this program: the median time from fork to exit and the largest
// resident memory.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
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

struct Start {
  double micros;
  long max_rss_kb;
};

// One start of the program to its end; false when it could not be run.
bool StartOnce(const std::string& program, const char* argument, Start& start) {
  const auto since = Clock::now();
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    execl(program.c_str(), program.c_str(), argument, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return false;
  start = {Micros(since), usage.ru_maxrss};
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void MeasureStart(const std::string& folder, int rounds) {
  struct Probe {
    const char* what;
    std::string program;
    const char* argument;
    std::vector<double> us;
    long rss = 0;
  };
  Probe probes[] = {{"bare", folder + "startup_probe_bare", nullptr, {}, 0},
                    {"table", folder + "startup_probe_table", nullptr, {}, 0},
                    {"table, describing", folder + "startup_probe_table", "describe", {}, 0}};
  for (int i = 0; i < rounds; ++i) {
    for (Probe& p : probes) {
      Start start{};
      if (!StartOnce(p.program, p.argument, start)) {
        std::printf("start-up: could not run %s\n", p.program.c_str());
        return;
      }
      p.us.push_back(start.micros);
      p.rss = std::max(p.rss, start.max_rss_kb);
    }
  }
  for (Probe& p : probes) {
    std::sort(p.us.begin(), p.us.end());
    const double median = p.us[p.us.size() / 2];
    std::printf("start-up %-18s (%d starts): median %7.1f us, p90 %7.1f us, max resident %ld KiB", p.what,
                rounds, median, p.us[p.us.size() * 9 / 10], p.rss);
    if (&p != &probes[0]) {
      std::printf(" (%+.1f us, %+ld KiB)", median - probes[0].us[probes[0].us.size() / 2], p.rss - probes[0].rss);
    }
    std::printf("\n");
  }
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
  const std::string self = argv[0];
  const std::size_t slash = self.rfind('/');
  MeasureStart(slash == std::string::npos ? "./" : self.substr(0, slash + 1), argc > 2 ? std::atoi(argv[2]) : 300);
  return 0;
}
