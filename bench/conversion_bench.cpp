// How long kana-kanji conversion takes through the IME emulator with anthy:
// Space on a typed sentence (the whole sentence is analysed), Shift+Left on its
// first clause (the rest is analysed anew) and Enter, for sentences of 5, 15
// and 40 kana. Learning is off, so every run converts the same way.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/emulated/ime/ime_emulator.h"
#include "platform/keys.h"

namespace {

using Clock = std::chrono::steady_clock;
using orvo::emu::ImeEmulator;
using orvo::emu::ImeKey;

struct Sentence {
  const char* keys;  // romaji, typed as they are
};

// 5, 15 and 40 kana.
constexpr Sentence kSentences[] = {
    {"gakkouni"},
    {"watashihaimanihongowokakimasu"},
    {"kinounoyoruhatomodachitoisshoniekinochikakunomisedegohanwotabetekaerimashita"},
};

ImeKey Char(char ch) {
  ImeKey key;
  key.ch = static_cast<char16_t>(ch);
  key.vk = static_cast<std::uint8_t>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch);
  return key;
}

ImeKey Named(std::uint8_t vk, bool shift = false) {
  ImeKey key;
  key.vk = vk;
  key.shift = shift;
  if (vk == orvo::vk::kSpace) key.ch = u' ';
  return key;
}

double Microseconds(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

struct Stats {
  double median_us = 0;
  double worst_us = 0;
};

Stats Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return {samples[samples.size() / 2], samples.back()};
}

// Times one key press.
void Time(ImeEmulator& ime, const ImeKey& key, std::vector<double>& samples) {
  const auto start = Clock::now();
  ime.KeyDown(key);
  samples.push_back(Microseconds(Clock::now() - start));
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  std::string folder = (std::filesystem::temp_directory_path() / "orvo-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  int status = 0;
  {
    std::string error;
    auto engine = orvo::emu::MakeAnthyEngine({folder, false, ""}, &error);
    if (!engine) {
      std::fprintf(stderr, "conversion_bench: %s\n", error.c_str());
      status = 1;
    } else {
      ImeEmulator ime(engine.get());
      ime.SetImeMode(4);
      std::printf("%d runs each, microseconds\n", runs);
      std::printf("%5s %7s | %9s %9s | %9s %9s | %9s %9s\n", "kana", "clauses", "Space med",
                  "worst", "S-Left med", "worst", "Enter med", "worst");
      for (const Sentence& sentence : kSentences) {
        std::vector<double> convert, resize, confirm;
        std::size_t kana = 0;
        std::size_t clauses = 0;
        for (int run = 0; run < runs; ++run) {
          for (const char* p = sentence.keys; *p; ++p) ime.KeyDown(Char(*p));
          kana = ime.CompositionString().size();
          Time(ime, Named(orvo::vk::kSpace), convert);
          clauses = ime.Clauses().size();
          Time(ime, Named(orvo::vk::kLeft, true), resize);
          Time(ime, Named(orvo::vk::kReturn), confirm);
        }
        const Stats c = Summarise(convert), r = Summarise(resize), e = Summarise(confirm);
        std::printf("%5zu %7zu | %9.0f %9.0f | %9.0f %9.0f | %9.0f %9.0f\n", kana, clauses,
                    c.median_us, c.worst_us, r.median_us, r.worst_us, e.median_us, e.worst_us);
      }
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return status;
}
