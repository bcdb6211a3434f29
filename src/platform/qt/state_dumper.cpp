#include "platform/qt/state_dumper.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSaveFile>
#include <QSocketNotifier>
#include <atomic>
#include <csignal>
#include <cstdio>

#include "platform/headless/state_dump.h"
#include "platform/qt/qt_session.h"

namespace orvo::qt {
namespace {

volatile std::sig_atomic_t g_requested = 0;
std::atomic<int> g_wake_fd{-1};

extern "C" void OnDumpSignal(int) {
  g_requested = 1;
  const int fd = g_wake_fd.load();
  if (fd >= 0) {
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
  }
}

}  // namespace

StateDumper::StateDumper(QtSession& session, QString path) : session_(session), path_(std::move(path)) {}

StateDumper::~StateDumper() {
  if (pipe_[1] < 0) return;
  ::sigaction(SIGUSR1, &previous_, nullptr);
  g_wake_fd.store(-1);
  delete notifier_;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

bool StateDumper::ListenForSignal() {
  if (pipe_[1] >= 0) return true;
  if (g_wake_fd.load() >= 0) return false;
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    pipe_[0] = pipe_[1] = -1;
    return false;
  }
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { OnWake(); });
  g_requested = 0;
  g_wake_fd.store(pipe_[1]);
  struct sigaction action {};
  action.sa_handler = OnDumpSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  return ::sigaction(SIGUSR1, &action, &previous_) == 0;
}

nlohmann::json StateDumper::Dump() {
  headless::StateSources sources{session_.program, session_.desktop, session_.host, {},
                                 session_.desktop.ModalDepth() > 0};
  for (const auto& m : session_.host.Messages()) sources.standard_messages.push_back({m.text, m.icon});
  return headless::DumpState(sources);
}

bool StateDumper::Write() {
  const std::string text = Dump().dump(2) + "\n";
  QSaveFile file(path_);
  const bool ok = file.open(QIODevice::WriteOnly) &&
                  file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                  file.commit();
  if (!ok) {
    std::fprintf(stderr, "orvo: cannot write the state to %s: %s\n", path_.toLocal8Bit().constData(),
                 file.errorString().toLocal8Bit().constData());
    return false;
  }
  ++written_;
  return true;
}

void StateDumper::OnWake() {
  char bytes[64];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  if (!g_requested) return;
  g_requested = 0;
  Write();
}

}  // namespace orvo::qt
