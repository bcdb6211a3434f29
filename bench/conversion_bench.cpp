// SPDX-License-Identifier: GPL-3.0-or-later
// How long kana-kanji conversion takes through the IME emulator with anthy
// (and, asked for, mozc):
// Space on a typed sentence (the whole sentence is analysed), Shift+Left on its
// first clause (the rest is analysed anew) and Enter, for sentences of 5, 15
// and 40 kana. Learning is off, so every run converts the same way.
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "platform/emulated/anthy/anthy_engine.h"
#include "platform/emulated/ime/ime_emulator.h"
#include "platform/emulated/mozc/mozc_start.h"
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

// Types each sentence `runs` times and times Space, Shift+Left and the step
// that ends the conversion: Enter, or with `cancel` Esc twice (mozc learns
// from what is confirmed; the benchmark must not teach anyone's mozc).
void Measure(orvo::emu::ConversionEngine& engine, int runs, bool cancel) {
  ImeEmulator ime(&engine);
  ime.SetImeMode(4);
  std::printf("%5s %7s | %9s %9s | %9s %9s | %9s %9s\n", "kana", "clauses", "Space med", "worst",
              "S-Left med", "worst", cancel ? "Esc med" : "Enter med", "worst");
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
      if (cancel) {
        Time(ime, Named(orvo::vk::kEscape), confirm);
        ime.KeyDown(Named(orvo::vk::kEscape));
      } else {
        Time(ime, Named(orvo::vk::kReturn), confirm);
      }
    }
    const Stats c = Summarise(convert), r = Summarise(resize), e = Summarise(confirm);
    std::printf("%5zu %7zu | %9.0f %9.0f | %9.0f %9.0f | %9.0f %9.0f\n", kana, clauses, c.median_us,
                c.worst_us, r.median_us, r.worst_us, e.median_us, e.worst_us);
  }
}

}  // namespace

// usage: conversion_bench [RUNS] [mozc]  (mozc: the same with mozc too, its conversions cancelled)
int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  const bool with_mozc = argc > 2 && std::string(argv[2]) == "mozc";
  std::string folder = (std::filesystem::temp_directory_path() / "orvo-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;
  int status = 0;
  std::printf("%d runs each, microseconds\n", runs);
  // Each engine that was asked for: anthy confirming, then (with mozc) both cancelling.
  auto run = [&](const char* name, std::unique_ptr<orvo::emu::ConversionEngine> engine,
                 const std::string& error, std::initializer_list<bool> cancels) {
    if (!engine) {
      std::fprintf(stderr, "conversion_bench: %s: %s\n", name, error.c_str());
      status = 1;
      return;
    }
    std::printf("%s\n", name);
    for (const bool cancel : cancels) Measure(*engine, runs, cancel);
  };
  std::string error;
  auto anthy = orvo::emu::MakeAnthyEngine({folder, false, ""}, &error);
  if (with_mozc) {
    run("anthy", std::move(anthy), error, {false, true});
    orvo::emu::mozc::MozcOptions options;
    options.learning = false;  // and its conversions are cancelled besides
    auto mozc = orvo::emu::mozc::MakeMozcEngine(options, &error);
    run("mozc", std::move(mozc), error, {true});
  } else {
    run("anthy", std::move(anthy), error, {false});
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return status;
}
