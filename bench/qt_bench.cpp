// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop window's speed: start-up to a main window ready and painted,
// and the time from a chord's last key-up to the changed text painted on the
// screen, and from a plain key's key-down in romaji mode to its letter
// painted, on an empty document and on one of 60,000 bytes.
//   qt_bench [START_RUNS] [CHORDS]
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
#include "frontends/qt/main_view.h"
#include "frontends/qt/qt_session.h"
#include "frontends/qt/document_edit.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// 60,000 bytes in CP932: lines of full-width text.
orvo::ustring SixtyKilobyteDocument() {
  const orvo::ustring line = u"点字で書いた日本語の文章がここに続きます。かなとカナと漢字。\r\n";
  orvo::ustring text;
  while (text.size() * 2 + line.size() * 2 <= 60000) text += line;
  while (text.size() * 2 < 60000) text += u'あ';
  return text;
}

struct Stats {
  double median_ms;
  double worst_ms;
};

Stats Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return {samples[samples.size() / 2], samples.back()};
}

orvo::qt::QtSessionOptions Options(const std::string& folder) {
  orvo::qt::QtSessionOptions options;
  options.folder = folder;
  options.learning = false;
  options.interactive = false;  // no message waits for a person, the clock only moves when told
  options.code_page = orvo::emu::CodePage::kCp932;
  return options;
}

void Key(QWidget& target, QEvent::Type type, int key) {
  QKeyEvent event(type, key, Qt::NoModifier);
  QCoreApplication::sendEvent(&target, &event);
}

// Each run: the whole program made, started, its window shown and painted.
std::vector<double> StartUps(const std::string& folder, int runs) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    orvo::qt::QtSession session(Options(folder));
    if (!session.Start()) return {};
    QCoreApplication::processEvents();
    session.View()->repaint();
    ms.push_back(MsSince(start));
  }
  return ms;
}

// The window started with DOCUMENT in its text box (no limit), the caret at its end.
bool StartOn(orvo::qt::QtSession& session, const orvo::ustring& document) {
  if (!session.Start()) return false;
  auto& box = session.program.Main().ActiveTextBox();
  box.SetLimit(0);
  box.SetText(document);
  box.SetSel(static_cast<int>(document.size()), 0);
  session.Settle();
  return true;
}

// F D down, F up, then D's key-up timed until the text view has painted it.
// Every third chord N confirms, so the composition stays short.
std::vector<double> ChordToPaint(const std::string& folder, const orvo::ustring& document, int chords) {
  orvo::qt::QtSession session(Options(folder));
  if (!StartOn(session, document)) return {};
  QWidget& view = *session.View();
  QWidget& text = *session.View()->Text().viewport();  // where the document widget paints
  Key(view, QEvent::KeyPress, Qt::Key_F1);
  Key(view, QEvent::KeyRelease, Qt::Key_F1);
  QCoreApplication::processEvents();

  std::vector<double> ms;
  for (int i = 0; i < chords; ++i) {
    Key(view, QEvent::KeyPress, Qt::Key_F);
    Key(view, QEvent::KeyPress, Qt::Key_D);
    Key(view, QEvent::KeyRelease, Qt::Key_F);
    const auto start = Clock::now();
    Key(view, QEvent::KeyRelease, Qt::Key_D);
    text.repaint();
    ms.push_back(MsSince(start));
    if (i % 3 == 2) {
      Key(view, QEvent::KeyPress, Qt::Key_N);
      Key(view, QEvent::KeyRelease, Qt::Key_N);
    }
    QCoreApplication::processEvents();
  }
  return ms;
}

// A plain key in romaji mode: its key-down timed until the text view has
// painted the letter. Every 20 letters are taken back with Backspace.
std::vector<double> PlainKeyToPaint(const std::string& folder, const orvo::ustring& document, int keys) {
  orvo::qt::QtSession session(Options(folder));
  if (!StartOn(session, document)) return {};
  QWidget& view = *session.View();
  QWidget& text = *session.View()->Text().viewport();
  std::vector<double> ms;
  for (int i = 0; i < keys; ++i) {
    const auto start = Clock::now();
    Key(view, QEvent::KeyPress, Qt::Key_A);
    text.repaint();
    ms.push_back(MsSince(start));
    Key(view, QEvent::KeyRelease, Qt::Key_A);
    if (i % 20 == 19) {
      for (int b = 0; b < 20; ++b) {
        Key(view, QEvent::KeyPress, Qt::Key_Backspace);
        Key(view, QEvent::KeyRelease, Qt::Key_Backspace);
      }
    }
    QCoreApplication::processEvents();
  }
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const int start_runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  const int chords = argc > 2 ? std::max(1, std::atoi(argv[2])) : 300;

  const auto app_start = Clock::now();
  QApplication app(argc, argv);
  const double app_ms = MsSince(app_start);

  std::string folder = (std::filesystem::temp_directory_path() / "orvo-qt-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return 1;

  const std::vector<double> start_ms = StartUps(folder, start_runs);
  const std::vector<double> empty_ms = ChordToPaint(folder, {}, chords);
  const std::vector<double> full_ms = ChordToPaint(folder, SixtyKilobyteDocument(), chords);
  const std::vector<double> key_empty_ms = PlainKeyToPaint(folder, {}, chords);
  const std::vector<double> key_full_ms = PlainKeyToPaint(folder, SixtyKilobyteDocument(), chords);
  std::filesystem::remove_all(folder);
  if (start_ms.empty() || empty_ms.empty() || full_ms.empty() || key_empty_ms.empty() || key_full_ms.empty()) {
    std::fputs("qt_bench: the program refused to start\n", stderr);
    return 1;
  }

  std::printf("platform: %s; QApplication made once in %.1f ms\n", qgetenv("QT_QPA_PLATFORM").constData(), app_ms);
  std::printf("%-34s %6s %10s %10s\n", "measure", "runs", "median ms", "worst ms");
  const auto row = [](const char* name, const std::vector<double>& samples) {
    const Stats s = Summarise(samples);
    std::printf("%-34s %6zu %10.2f %10.2f\n", name, samples.size(), s.median_ms, s.worst_ms);
  };
  row("start-up to a painted main window", start_ms);
  row("key-up to painted, empty document", empty_ms);
  row("key-up to painted, 60,000 bytes", full_ms);
  row("plain key to painted, empty", key_empty_ms);
  row("plain key to painted, 60,000 bytes", key_full_ms);
  std::printf("a screen frame is 16.7 ms\n");
  return 0;
}
