// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Brings POSIX wanted into the Qt event loop: the handler only marks the
// signal and writes a byte to a pipe; the loop then calls the owner's
// function. Each bridge takes its own wanted and gives the previous
// handlers back when it goes; one bridge per signal at a time.
#include <signal.h>

#include <QObject>
#include <functional>
#include <vector>

class QSocketNotifier;

namespace orvo::qt {

class SignalBridge : public QObject {
  Q_OBJECT

 public:
  // keep_ignored: a signal ignored when the program started (nohup) stays ignored.
  SignalBridge(std::vector<int> wanted, std::function<void(int)> on_signal, bool keep_ignored);
  ~SignalBridge() override;
  SignalBridge(const SignalBridge&) = delete;
  SignalBridge& operator=(const SignalBridge&) = delete;

  // False when a pipe or a handler could not be had, or another bridge has a signal.
  bool Listen();

 private:
  void OnWake();

  std::vector<int> signals_;
  std::function<void(int)> on_signal_;
  bool keep_ignored_;
  std::vector<struct sigaction> previous_;
  std::vector<int> taken_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace orvo::qt
