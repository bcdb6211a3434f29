// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the session's state as JSON to a file on request: when asked, and
// whenever the process receives SIGUSR1. The handler only marks the request
// and wakes the event loop; the file is written from the loop, modal loops
// included, and replaced whole so a reader never sees half of it.
#include <QObject>
#include <QString>
#include <nlohmann/json.hpp>

#include "frontends/qt/signal_bridge.h"

namespace orvo::qt {

class QtSession;

class StateDumper : public QObject {
  Q_OBJECT

 public:
  StateDumper(QtSession& session, QString path);
  StateDumper(const StateDumper&) = delete;
  StateDumper& operator=(const StateDumper&) = delete;

  // SIGUSR1 asks for a dump from now on; one dumper listens at a time.
  // False when the signal cannot be taken.
  bool ListenForSignal();

  // The JSON of the headless runner for this session.
  nlohmann::json Dump();
  // False (with the reason on stderr) when the file cannot be written.
  bool Write();
  int Written() const { return written_; }

 private:
  QtSession& session_;
  QString path_;
  int written_ = 0;
  SignalBridge bridge_;
};

}  // namespace orvo::qt
