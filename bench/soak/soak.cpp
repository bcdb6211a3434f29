// SPDX-License-Identifier: GPL-3.0-or-later
// soak: a long run of random key events through the whole headless program —
// chords in every input mode, editing and function keys, modifiers held and
// let go, menus, message boxes answered — with the program's invariants
// checked every 1,000 events. Prints events per second, the checks run and
// the peak memory; exits 1 at the first invariant that does not hold.
//
//   soak [--events N] [--seed S] [--memory-slack MB] [--watch N]
//
// To take a broken invariant apart: --watch N prints each step of the batch
// that ends at event N with the state once its input was handled (latch,
// braille mode, Ctrl, Alt, Shift, dot keys counted, modal depth, the active
// window). ORVO_SOAK_TRACE=FILE writes the last program's keys to FILE, each
// batch after a "# batch" line, with the keys that answered boxes.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "soak_system.h"
#include "files/document_lifecycle.h"
#include "frontends/headless/session.h"
#include "platform/keys.h"

// Under AddressSanitizer freed memory is held back (its quarantine, 256 MiB by
// default) and would read as growth; a small one keeps the memory check the
// program's. ASAN_OPTIONS still overrides it.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVO_SOAK_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ORVO_SOAK_UNDER_ASAN 1
#endif
#ifdef ORVO_SOAK_UNDER_ASAN
extern "C" const char* __asan_default_options();
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=8"; }
#endif

namespace {

using orvo::soak::PeakKb;
using orvo::soak::ResidentKb;

using orvo::headless::Session;

constexpr int kCheckEvery = 1000;
constexpr int kMaxAnswers = 100;
constexpr const char* kBatchMark = "# batch";

// Keys of every kind, the dot keys and the braille mode's remapped ones most often.
constexpr const char* kKeys[] = {
    "F", "D", "S", "J", "K", "L", "F", "D", "S", "J", "K", "L", "Space", "N", "H", "G", "U", "I",
    "O", "M", "A", "Semicolon", "P", "Q", "T", "W", "R", "Z", "C", "V", "B", "X", "Y", "E", "Comma",
    "Period", "Slash", "1", "5", "0", "Enter", "Backspace", "Delete", "Left", "Right", "Up", "Down",
    "Home", "End", "PageUp", "PageDown", "Tab", "Esc", "F2", "F3", "F4", "F5", "F6", "F7", "F8",
    "F9", "F10", "Kanji", "Kana", "CapsLock", "Apps",
};
constexpr const char* kModifiers[] = {"Shift", "Ctrl", "Alt"};
// Whole cells: kana, the cells that wait for a partner, and the mode cells
// (number sign, foreign-letter sign, capital signs) that move between modes.
constexpr const char* kChords[] = {
    "F", "FD", "FJ", "FDJ", "DJ", "FL", "FDL", "FJL", "FSK", "FDSK", "FSJK", "FSL", "FDSL", "FDSJL",
    "DSJL", "DL", "DKL", "JKL", "JL", "SL", "SJKL", "SJL", "L", "KL", "DSL", "FDSJKL", "K", "DS",
};
constexpr const char* kMenus[] = {
    "mnuFILE_NEW", "mnuFILE_SAVE", "mnuFILE_SAVEAS", "mnuFILE_OPEN", "mnuUNDO", "mnuCUT", "mnuCOPY",
    "mnuPAST", "mnuDELETE", "mnuALL", "mnuSERCH_FIND", "mnuREPLACE", "mnuNEXT_FIND", "mnuWORD_TURN",
    "mnuDATE", "mnuRE_AREA", "mnuV_AREA", "mnuH_AREA", "mnuT_HELPER", "mnuHELP_ABOUT",
};

struct Options {
  long long events = 1000000;
  unsigned seed = 20;
  long long memory_slack_mb = 64;
  long long watch = 0;
};

class Soak {
 public:
  explicit Soak(const Options& o) : options_(o), random_(o.seed) {
    folder_ = orvo::soak::MakeScratchFolder();
  }
  ~Soak() {
    session_.reset();
    std::error_code ignored;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
  }

  int Run() {
    if (folder_.empty() || !StartProgram()) {
      std::fputs("soak: the program did not start\n", stderr);
      return 1;
    }
    const auto begun = std::chrono::steady_clock::now();
    long long baseline_kb = 0;
    while (events_ < options_.events) {
      std::vector<std::string> batch;
      for (int i = 0; i < kCheckEvery && events_ < options_.events; ++i, ++events_) batch.push_back(NextEvent());
      // Every key let go and any box still open answered, then the checks.
      for (const std::string& key : held_) batch.push_back("release " + key);
      held_.clear();
      // A key that goes up in the text box brings the mirrors up to date.
      batch.push_back("tap Shift");
      answers_ = 0;
      Watch(events_ == options_.watch ? &batch : nullptr);
      RunLines(batch);
      Check();
      if (events_ >= options_.events / 10 && baseline_kb == 0) baseline_kb = ResidentKb();
      if (session_->host.Ended() && !StartProgram()) {
        std::fputs("soak: the program did not start again\n", stderr);
        return 1;
      }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begun).count();
    const long long growth_kb = baseline_kb > 0 ? ResidentKb() - baseline_kb : 0;
    std::printf("events: %lld in %.1f s, %.0f events/s\n", events_, seconds, static_cast<double>(events_) / seconds);
    std::printf("invariant checks: %lld (every %d events), programs started: %d, answer keys after batches: %lld\n",
                checks_, kCheckEvery, starts_, answered_);
    std::printf("peak memory: %.1f MiB; resident growth after the first tenth: %+.1f MiB\n", static_cast<double>(PeakKb()) / 1024.0,
                static_cast<double>(growth_kb) / 1024.0);
    std::printf("document: peak %lld bytes of %lld\n", peak_bytes_, orvo::files::kMaxDocumentBytes);
    if (growth_kb > options_.memory_slack_mb * 1024) Fail("memory grew past the slack");
    long long broken = 0;
    for (const auto& [kind, count] : broken_) {
      std::printf("broken: %s, at %lld of the checks\n", kind.c_str(), count);
      broken += count;
    }
    std::printf("invariants broken: %lld\n", broken);
    return broken == 0 ? 0 : 1;
  }

 private:
  bool StartProgram() {
    session_.reset();
    if (const char* trace = std::getenv("ORVO_SOAK_TRACE")) std::ofstream(trace) << "";
    session_ = std::make_unique<Session>(folder_);
    session_->CancelUnansweredDialogs(true);
    // A window still waiting when a batch's keys are done is answered as a
    // person would: Esc, then Enter, then F5 and Space (the key diagrams and
    // the settings dialog close with those), then Esc again... A window that
    // outlasts kMaxAnswers of them is left waiting, and the check says so.
    session_->SetModalAnswer([this]() -> std::optional<orvo::KeyEvent> {
      struct AnswerKey {
        std::uint8_t vk, scan;
        const char* name;
      };
      static constexpr AnswerKey kAnswers[] = {{orvo::vk::kEscape, 0x01, "Esc"},
                                               {orvo::vk::kReturn, 0x1C, "Enter"},
                                               {orvo::vk::kF5, 0x3F, "F5"},
                                               {orvo::vk::kSpace, 0x39, "Space"}};
      if (answers_ >= kMaxAnswers * 2) return std::nullopt;
      const int n = answers_++;
      const AnswerKey& key = kAnswers[static_cast<std::size_t>(n / 2) % std::size(kAnswers)];
      ++answered_;
      // The trace holds the answers too.
      if (std::getenv("ORVO_SOAK_TRACE") != nullptr) {
        std::ofstream(std::getenv("ORVO_SOAK_TRACE"), std::ios::app) << (n % 2 == 1 ? "release " : "press ") << key.name << "\n";
      }
      return orvo::KeyEvent{key.vk, key.scan, n % 2 == 1, false};
    });
    ++starts_;
    return session_->Start();
  }

  // Each step of the batch, and the state once its input has been handled.
  void Watch(const std::vector<std::string>* batch) {
    if (batch == nullptr) {
      session_->SetStepWatch(nullptr);
      return;
    }
    session_->SetStepWatch([this, lines = *batch](const orvo::script::ScriptStep& step) {
      const Session& s = *session_;
      const auto& state = s.program.state;
      const auto& keys = session_->desktop.Keys();
      const std::size_t index = static_cast<std::size_t>(step.line) - 2;  // after the batch mark
      const orvo::forms::Form* active = s.program.forms.ActiveForm();
      std::printf("%4d %-22s latch %d braille %d ctrl %d alt %d shift %d dots %d busy %d modal %d %s\n", step.line,
                  index < lines.size() ? lines[index].c_str() : "", state.LatchHeld, state.BrailleMode,
                  keys.Down(orvo::vk::kControl), keys.Down(orvo::vk::kMenu), keys.Down(orvo::vk::kShift), state.DotKeyCount,
                  state.SynthBusy, session_->desktop.ModalDepth(), active ? active->Name().c_str() : "-");
    });
  }

  template <typename T, std::size_t N>
  const char* Pick(const T (&items)[N]) {
    return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(random_)];
  }

  bool Held(const std::string& key) const {
    for (const std::string& h : held_) {
      if (h == key) return true;
    }
    return false;
  }

  std::string NextEvent() {
    const int a = std::uniform_int_distribution<int>(0, 99)(random_);
    if (a < 35) {
      const std::string chord = Pick(kChords);
      for (char c : chord) {
        if (Held(std::string(1, c))) return std::string("release ") + ReleaseOne();
      }
      return "chord " + chord;
    }
    if (a < 60) return std::string("tap ") + Pick(kKeys);
    if (a < 66) return "tap F1";  // braille mode on and off
    if (a < 72) {
      const std::string key = a < 70 ? Pick(kKeys) : Pick(kModifiers);
      if (Held(key) || held_.size() >= 4) return std::string("release ") + ReleaseOne();
      held_.push_back(key);
      return "press " + key;
    }
    if (a < 77 && !held_.empty()) return std::string("release ") + ReleaseOne();
    if (a < 80) return "click lblMODE";  // the next input mode
    if (a < 83) return "click cmdIME";
    if (a < 87) return std::string("menu ") + Pick(kMenus);
    if (a < 93) return std::string("tap ") + (a % 2 ? "Enter" : "Esc");  // answers a box if one waits
    if (a < 95) return "tap Y";  // はい(&Y) in a question
    if (a < 99) return "wait " + std::to_string(std::uniform_int_distribution<int>(1, 12)(random_) * 150);
    // Now and then the whole text selected (typing then replaces it), or the program closed.
    const int rare = std::uniform_int_distribution<int>(0, 199)(random_);
    if (rare == 0) return "menu mnuEXIT";
    if (rare < 10) return "menu mnuALL";
    // A long text pasted now and then takes the document to its limit.
    if (rare < 20) return "clipboard " + LongText() + "\nmenu mnuPAST";
    return "tap Backspace";
  }

  // About 11 KB in the document's code page: kana, kanji, letters and line ends.
  static const std::string& LongText() {
    static const std::string text = [] {
      std::string t;
      for (int i = 0; i < 400; ++i) t += "あいうえお漢字テキスト abc 123\\r\\n";
      return t;
    }();
    return text;
  }

  std::string ReleaseOne() {
    const std::size_t k = std::uniform_int_distribution<std::size_t>(0, held_.size() - 1)(random_);
    const std::string key = held_[k];
    held_.erase(held_.begin() + static_cast<std::ptrdiff_t>(k));
    return key;
  }

  void RunLines(const std::vector<std::string>& lines) {
    std::string script;
    for (const std::string& line : lines) script += line + "\n";
    script = kBatchMark + ("\n" + script);
    if (std::getenv("ORVO_SOAK_TRACE") != nullptr) std::ofstream(std::getenv("ORVO_SOAK_TRACE"), std::ios::app) << script;
    const auto parsed = orvo::script::ParseScript(script);
    if (!parsed.errors.empty()) {
      std::fprintf(stderr, "soak: bad line %d: %s\n", parsed.errors.front().line, parsed.errors.front().message.c_str());
      std::exit(2);
    }
    session_->Run(parsed.steps);
  }

  // A broken invariant is told the first time each kind is seen, and counted;
  // the soak goes on with the program as it is.
  int Fail(const std::string& what) {
    const std::string kind = what.substr(0, what.find(':'));
    if (++broken_[kind] == 1) {
      std::fprintf(stderr, "soak: after %lld events (seed %u): %s\n", events_, options_.seed, what.c_str());
    }
    return 0;
  }

  int Check() {
    ++checks_;
    Session& s = *session_;
    if (s.Failed()) return Fail("the run stopped: " + s.Failed()->message);
    if (s.EndedInModal()) {
      const auto& history = s.program.messages.History();
      std::string told = " (the active window then: " +
                         (s.program.forms.ActiveForm() ? s.program.forms.ActiveForm()->Name() : std::string("none")) + ")";
      for (std::size_t i = history.size() > 16 ? history.size() - 16 : 0; i < history.size(); ++i) {
        told += "\n  " + orvo::ToUtf8(history[i].text) + " -> " + std::to_string(static_cast<int>(history[i].result));
      }
      return Fail("a modal window was left waiting; the last messages:" + told);
    }
    if (s.host.Ended()) return 0;
    const auto& state = s.program.state;
    const auto& keys = s.desktop.Keys();
    const bool ctrl = keys.Down(orvo::vk::kControl);
    const bool alt = keys.Down(orvo::vk::kMenu);
    if (state.SynthBusy || state.ConfirmBusy) return Fail("a key sequence is still marked busy");
    if (state.DotKeyCount != 0) return Fail("dot keys counted with every key up");
    if (state.LatchHeld != state.BrailleMode) return Fail("the latch is not held exactly in braille mode");
    // Another of the program's windows may have had Ctrl or Alt let go in it:
    // the latch takes them again when the main window gets the keyboard back.
    const bool main_active = s.program.forms.ActiveForm() == &s.program.Main();
    if (main_active && state.LatchHeld != (ctrl && alt)) {
      return Fail(std::string("the latch does not match Ctrl and Alt: latch ") + (state.LatchHeld ? "held" : "not held") +
                  ", Ctrl " + (ctrl ? "down" : "up") + ", Alt " + (alt ? "down" : "up") + ", braille mode " +
                  (state.BrailleMode ? "on" : "off"));
    }
    if (!state.BrailleMode && (ctrl || alt || keys.Down(orvo::vk::kShift))) return Fail("a key is down after braille mode ended");
    orvo::MainWindow& w = s.Main();
    const long long bytes = s.program.documents.DiskSize(w.ActiveTextBox().Text());
    if (bytes > peak_bytes_) peak_bytes_ = bytes;
    if (bytes > orvo::files::kMaxDocumentBytes) return Fail("the document is past its limit");
    // The mirrors follow a key that went up in the text box: only while the
    // main window has the keyboard did the last one go there.
    const bool typing_here = s.program.forms.ActiveForm() == &w && s.program.flags.MainHasFocus;
    // A mirror left holding a composition the IME has dropped (seen after
    // boxes answered in braille mode) is not counted: the next key clears it.
    const orvo::ustring composed = s.program.ime.Composed();
    if (state.BrailleMode && typing_here && !composed.empty() && w.txtHEN.Text() != composed) {
      return Fail("the composition mirror \"" + orvo::ToUtf8(w.txtHEN.Text()) + "\" differs from the IME's composition \"" +
                  orvo::ToUtf8(s.program.ime.Composed()) + "\"");
    }
    return 0;
  }

  Options options_;
  std::mt19937 random_;
  std::string folder_;
  std::unique_ptr<Session> session_;
  std::vector<std::string> held_;
  std::map<std::string, long long> broken_;
  long long events_ = 0;
  long long checks_ = 0;
  int answers_ = 0;          // key events given to boxes since the batch's keys ended
  long long answered_ = 0;
  long long peak_bytes_ = 0;
  int starts_ = 0;
};

bool ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--watch") {
      o.watch = std::atoll(argv[i + 1]);
      continue;
    }
    const long long value = std::atoll(argv[i + 1]);
    if (arg == "--events" && value > 0) {
      o.events = value;
    } else if (arg == "--seed") {
      o.seed = static_cast<unsigned>(value);
    } else if (arg == "--memory-slack" && value > 0) {
      o.memory_slack_mb = value;
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseArgs(argc, argv, options)) {
    std::fputs("usage: soak [--events N] [--seed S] [--memory-slack MB] [--watch N]\n", stderr);
    return 2;
  }
  return Soak(options).Run();
}
