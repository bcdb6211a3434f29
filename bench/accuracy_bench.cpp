// SPDX-License-Identifier: GPL-3.0-or-later
// How well and how fast each engine converts whole sentences, side by side on
// one corpus (bench/accuracy/run makes it): each sentence's reading is given
// to the engine as the IME gives it, first candidates only, nothing learnt.
// It prints, for each engine that starts here, the sentences that come out
// exact, the share of characters right (1 - edit distance / length), and the
// time from Space to every clause's candidates read (median, p95).
//
// usage: accuracy_bench CORPUS.tsv [anthy] [mozc]
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/emulated/mozc/mozc_start.h"
#include "platform/text.h"

namespace {

using Clock = std::chrono::steady_clock;
using orvo::ustring;

struct Entry {
  ustring sentence;
  ustring reading;
};

struct Result {
  std::string engine;
  int exact = 0;
  double chars_right = 0;
  double chars = 0;
  std::vector<double> ms;
  int failed = 0;
};

// Nothing confirmed in mozc: it learns nothing from the benchmark.
orvo::emu::mozc::MozcOptions QuietMozc() {
  orvo::emu::mozc::MozcOptions options;
  options.learning = false;
  return options;
}

std::vector<Entry> ReadCorpus(const std::string& path) {
  std::vector<Entry> out;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    out.push_back({orvo::FromUtf8(line.substr(0, tab)), orvo::FromUtf8(line.substr(tab + 1))});
  }
  return out;
}

int EditDistance(const ustring& a, const ustring& b) {
  std::vector<int> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const int above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

double Percentile(std::vector<double> samples, double p) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const auto at = static_cast<std::size_t>(p * static_cast<double>(samples.size() - 1) + 0.5);
  return samples[std::min(at, samples.size() - 1)];
}

Result Measure(const std::string& name, orvo::emu::ConversionEngine& engine,
               const std::vector<Entry>& corpus) {
  Result r{name, 0, 0, 0, {}, 0};
  for (const Entry& e : corpus) {
    // As typed, faster than anyone types braille: the engine sees the reading
    // grow a character every 2 ms, then Space comes 30 ms after the last one.
    for (std::size_t n = 1; n <= e.reading.size(); ++n) {
      engine.Follow(e.reading.substr(0, n));
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const auto start = Clock::now();
    ustring out;
    if (engine.SetString(e.reading)) {
      for (int s = 0; s < engine.SegmentCount(); ++s) {
        engine.GetSegmentStat(s);
        out += engine.GetSegment(s, 0);
      }
    } else {
      ++r.failed;
      out = e.reading;
    }
    r.ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    engine.Follow(u"");
    if (out == e.sentence) ++r.exact;
    const double length = static_cast<double>(e.sentence.size());
    r.chars += length;
    r.chars_right += std::max(0.0, length - EditDistance(e.sentence, out));
  }
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: accuracy_bench CORPUS.tsv [anthy] [mozc]\n");
    return 2;
  }
  const std::vector<Entry> corpus = ReadCorpus(argv[1]);
  if (corpus.empty()) {
    std::fprintf(stderr, "accuracy_bench: no sentences in %s\n", argv[1]);
    return 2;
  }
  std::vector<std::string> engines;
  for (int i = 2; i < argc; ++i) engines.emplace_back(argv[i]);
  if (engines.empty()) engines = {"anthy", "mozc"};

  std::string folder = (std::filesystem::temp_directory_path() / "orvo-accuracy-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  std::vector<Result> results;
  for (const std::string& name : engines) {
    std::string error;
    std::unique_ptr<orvo::emu::ConversionEngine> engine =
        name == "anthy" ? orvo::emu::MakeAnthyEngine({folder, false, ""}, &error)
        : name == "mozc" ? orvo::emu::mozc::MakeMozcEngine(QuietMozc(), &error)
                          : nullptr;
    if (!engine) {
      std::fprintf(stderr, "accuracy_bench: %s not measured: %s\n", name.c_str(),
                   error.empty() ? "unknown engine" : error.c_str());
      continue;
    }
    results.push_back(Measure(name, *engine, corpus));
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);

  std::printf("%zu sentences\n", corpus.size());
  std::printf("%-7s %8s %10s %12s %9s %9s\n", "engine", "exact %", "chars %", "unconverted",
              "Space med", "p95 (ms)");
  for (const Result& r : results) {
    std::printf("%-7s %8.1f %10.1f %12d %9.2f %9.2f\n", r.engine.c_str(),
                100.0 * r.exact / static_cast<double>(corpus.size()), 100.0 * r.chars_right / r.chars,
                r.failed, Percentile(r.ms, 0.5), Percentile(r.ms, 0.95));
  }
  return results.empty() ? 1 : 0;
}
