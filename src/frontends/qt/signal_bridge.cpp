// SPDX-License-Identifier: GPL-3.0-or-later
#include "frontends/qt/signal_bridge.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <atomic>
#include <csignal>

namespace orvo::qt {
namespace {

constexpr int kSignals = 65;  // signal numbers below this

// Per signal: whether it came, and the pipe of the bridge that takes it
// (its descriptor + 1; 0 while no bridge has the signal).
std::array<volatile std::sig_atomic_t, kSignals> g_pending{};
std::array<std::atomic<int>, kSignals> g_wake_fd{};

extern "C" void OnBridgedSignal(int signal) {
  if (signal <= 0 || signal >= kSignals) return;
  g_pending[static_cast<std::size_t>(signal)] = 1;
  const int fd = g_wake_fd[static_cast<std::size_t>(signal)].load() - 1;
  if (fd >= 0) {
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
  }
}

}  // namespace

SignalBridge::SignalBridge(std::vector<int> wanted, std::function<void(int)> on_signal, bool keep_ignored)
    : signals_(std::move(wanted)), on_signal_(std::move(on_signal)), keep_ignored_(keep_ignored) {}

SignalBridge::~SignalBridge() {
  for (std::size_t i = 0; i < taken_.size(); ++i) {
    ::sigaction(taken_[i], &previous_[i], nullptr);
    g_wake_fd[static_cast<std::size_t>(taken_[i])].store(0);
  }
  delete notifier_;
  if (pipe_[0] >= 0) ::close(pipe_[0]);
  if (pipe_[1] >= 0) ::close(pipe_[1]);
}

bool SignalBridge::Listen() {
  if (pipe_[1] >= 0) return true;
  for (const int s : signals_) {
    if (s <= 0 || s >= kSignals || g_wake_fd[static_cast<std::size_t>(s)].load() != 0) return false;
  }
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    pipe_[0] = pipe_[1] = -1;
    return false;
  }
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { OnWake(); });
  for (const int s : signals_) {
    struct sigaction previous {};
    if (::sigaction(s, nullptr, &previous) != 0) return false;
    if (keep_ignored_ && previous.sa_handler == SIG_IGN) continue;
    g_pending[static_cast<std::size_t>(s)] = 0;
    g_wake_fd[static_cast<std::size_t>(s)].store(pipe_[1] + 1);
    struct sigaction action {};
    action.sa_handler = OnBridgedSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(s, &action, nullptr) != 0) {
      g_wake_fd[static_cast<std::size_t>(s)].store(0);
      return false;
    }
    taken_.push_back(s);
    previous_.push_back(previous);
  }
  return true;
}

void SignalBridge::OnWake() {
  char bytes[64];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  for (const int s : taken_) {
    if (!g_pending[static_cast<std::size_t>(s)]) continue;
    g_pending[static_cast<std::size_t>(s)] = 0;
    on_signal_(s);
  }
}

}  // namespace orvo::qt
