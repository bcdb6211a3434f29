// SPDX-License-Identifier: GPL-3.0-or-later
// One key's way through the desktop window, for bench/stages/run: a burst of
// plain keys (romaji mode) and a burst of one-dot chords (braille mode), on an
// empty document and on one of 59,000 bytes, each burst in a function of its
// own so that an instruction counter can be switched on for it alone
// (valgrind --tool=callgrind --toggle-collect=TypeBurst). Each key is sent as
// the window gets it from the desktop and timed until its text is painted;
// the medians and p90 of that wall time are printed per burst.
//   key_stages_bench [KEYS [BURST]]    (BURST: one of plain-empty, chord-empty, plain-59k, chord-59k)
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "frontends/qt/document_edit.h"
#include "frontends/qt/main_view.h"
#include "frontends/qt/qt_session.h"
#include "frontends/qt/script_feeder.h"
#include "frontends/script/start_prelude.h"

namespace {

using Clock = std::chrono::steady_clock;

enum class Burst { kPlainKey, kChord };

// About 59,000 bytes in UTF-8: Japanese lines, as a person's long text.
orvo::ustring LongDocument() {
  const orvo::ustring line = u"点字で書いた日本語の文章がここに続きます。かなとカナと漢字 0123456789\r\n";
  orvo::ustring text;
  while ((text.size() + line.size()) * 3 <= 59000) text += line;
  return text;
}

orvo::qt::QtSessionOptions Options(const std::string& folder) {
  orvo::qt::QtSessionOptions options;
  options.folder = folder;
  options.learning = false;
  options.interactive = false;
  options.code_page = orvo::emu::CodePage::kUtf8;
  return options;
}

void Key(QWidget& target, QEvent::Type type, int key) {
  QKeyEvent event(type, key, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &event);
}

// One key of the burst, its key-down and its key-up, handled and painted
// (the window paints what a key changed before it takes the next): a plain
// key in romaji mode, or a one-dot chord in braille mode. Returns its wall
// time in microseconds. The key-down and the key-up stand apart, so that the
// counter can count the one the screen waits for: the key-down types a plain
// key, the key-up ends a chord.
[[gnu::noinline]] void KeyDownOf(QWidget& view, int key) { Key(view, QEvent::KeyPress, key); }
[[gnu::noinline]] void KeyUpOf(QWidget& view, int key) { Key(view, QEvent::KeyRelease, key); }

double OneKey(QWidget& view, Burst burst) {
  const int key = burst == Burst::kChord ? Qt::Key_F : Qt::Key_A;  // dot 1, or the letter a
  const auto start = Clock::now();
  KeyDownOf(view, key);
  KeyUpOf(view, key);
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The counted part: KEYS keys, each followed by what a person's pause lets
// the window do. Every 20th key the composition is confirmed (Enter), so it
// stays as short as in real typing. Kept out of line so the counter can find it.
[[gnu::noinline]] std::vector<double> TypeBurst(QWidget& view, Burst burst, int keys) {
  std::vector<double> us;
  us.reserve(static_cast<std::size_t>(keys));
  for (int i = 0; i < keys; ++i) {
    us.push_back(OneKey(view, burst));
    if (i % 20 == 19) {
      Key(view, QEvent::KeyPress, Qt::Key_Return);
      Key(view, QEvent::KeyRelease, Qt::Key_Return);
    }
    QCoreApplication::processEvents();
  }
  return us;
}

std::vector<double> Run(const std::string& folder, const orvo::ustring& document, Burst burst, int keys) {
  orvo::qt::QtSession session(Options(folder));
  if (!session.Start()) return {};
  // The splash closed, as every run begins.
  const orvo::script::ParsedScript prelude = orvo::script::ParseScript(orvo::script::kStartPrelude);
  bool started = false;
  orvo::qt::ScriptFeeder feeder(session, prelude.steps, [&started] { started = true; });
  feeder.Start();
  for (int i = 0; i < 5000 && !started; ++i) QCoreApplication::processEvents();
  if (!started) return {};
  auto& box = session.program.Main().ActiveTextBox();
  box.SetLimit(0);
  box.SetText(document);
  box.SetSel(static_cast<int>(document.size()), 0);
  session.Settle();
  QWidget& view = *session.View();
  if (burst == Burst::kChord) {
    Key(view, QEvent::KeyPress, Qt::Key_F1);
    Key(view, QEvent::KeyRelease, Qt::Key_F1);
  }
  QCoreApplication::processEvents();
  // A few keys first, so that caches and first-time allocations are not counted.
  for (int i = 0; i < 5; ++i) OneKey(view, burst);
  Key(view, QEvent::KeyPress, Qt::Key_Return);
  Key(view, QEvent::KeyRelease, Qt::Key_Return);
  QCoreApplication::processEvents();
  std::vector<double> us = TypeBurst(view, burst, keys);
  // A burst that typed nothing measured nothing.
  if (box.Text().size() <= document.size()) return {};
  return us;
}

double Rank(std::vector<double> samples, int percent) {
  std::sort(samples.begin(), samples.end());
  const std::size_t rank = (samples.size() * static_cast<std::size_t>(percent) + 99) / 100;
  return samples[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const int keys = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  QApplication app(argc, argv);
  std::string folder = (std::filesystem::temp_directory_path() / "orvo-key-stages-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;

  struct Case {
    const char* name;
    const orvo::ustring document;
    Burst burst;
  };
  const Case cases[] = {
      {"plain-empty", {}, Burst::kPlainKey},
      {"chord-empty", {}, Burst::kChord},
      {"plain-59k", LongDocument(), Burst::kPlainKey},
      {"chord-59k", LongDocument(), Burst::kChord},
  };
  int failed = 0;
  std::printf("%-12s %6s %12s %12s\n", "burst", "keys", "median us", "p90 us");
  const std::string only = argc > 2 ? argv[2] : "";
  for (const Case& c : cases) {
    if (!only.empty() && only != c.name) continue;
    const std::vector<double> us = Run(folder, c.document, c.burst, keys);
    if (us.empty()) {
      std::fprintf(stderr, "key_stages_bench: the program refused to start or typed nothing (%s)\n", c.name);
      ++failed;
      continue;
    }
    std::printf("%-12s %6zu %12.1f %12.1f\n", c.name, us.size(), Rank(us, 50), Rank(us, 90));
    std::fflush(stdout);
  }
  std::filesystem::remove_all(folder);
  return failed == 0 ? 0 : 1;
}
