// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Notices the end of a run without the program's own shutdown and has the
// text kept then: the X connection breaking (Qt's X plugin then calls exit()),
// or the session ending with SIGTERM or SIGHUP. What is kept and where is the
// files subsystem's (files/text_rescue.h); the path is told on stderr. The
// signal handler only marks the request and wakes the event loop; the text is
// written from the loop, then the signal ends the process as it would have.
#include <QObject>
#include <ctime>
#include <functional>
#include <string>

#include "files/text_rescue.h"
#include "frontends/qt/signal_bridge.h"
#include "platform/posix/posix_file_system.h"

namespace orvo::qt {

using files::RescueResult;
using files::RescueSnapshot;

class TextRescue : public QObject {
  Q_OBJECT

 public:
  using Source = files::TextRescue::Source;

  // source: the document as it stands; it must keep to plain program state,
  // since at exit Qt's own globals may already be gone.
  TextRescue(Source source, std::string folder);
  ~TextRescue() override;
  TextRescue(const TextRescue&) = delete;
  TextRescue& operator=(const TextRescue&) = delete;

  // From now on an exit() before EndedNormally() rescues the text. One
  // rescue is armed at a time; false when another one is.
  bool Arm();
  // The program's own shutdown has run: nothing is rescued from here on.
  void EndedNormally() { rescue_.EndedNormally(); }

  // SIGTERM and SIGHUP rescue the text from the event loop, then end the
  // process by the same signal. A signal ignored at start stays ignored.
  // False when the signals cannot be taken.
  bool ListenForSignals();

  // The rescue itself, once: what exit and the signals run.
  RescueResult Rescue();

  // Where the text goes instead of a rescued-*.txt file: the program's
  // recovery copy, which the next start offers back.
  void SetWriter(files::TextRescue::Writer writer) { rescue_.SetWriter(std::move(writer)); }

  // For tests: the time of the file name, and what follows a signal's rescue
  // (by default the signal's own action).
  void SetClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }
  void SetAfterSignal(std::function<void(int)> after) { after_signal_ = std::move(after); }

 private:
  posix::PosixFileSystem files_;
  files::TextRescue rescue_;
  std::function<std::time_t()> clock_;
  std::function<void(int)> after_signal_;
  SignalBridge bridge_;
};

}  // namespace orvo::qt
