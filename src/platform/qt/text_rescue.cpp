#include "platform/qt/text_rescue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orvo::qt {
namespace {

constexpr int kMaxSameSecond = 100;

TextRescue* g_armed = nullptr;
volatile std::sig_atomic_t g_signal = 0;
std::atomic<int> g_wake_fd{-1};

void RescueAtExit() {
  try {
    if (g_armed != nullptr) g_armed->Rescue();
  } catch (...) {
    // Nothing may escape an exit handler; the run is ending either way.
  }
}

extern "C" void OnEndSignal(int signal) {
  g_signal = signal;
  const int fd = g_wake_fd.load();
  if (fd >= 0) {
    const char byte = 1;
    // A full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
  }
}

void EndBySignal(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

RescueResult Failure(int error) { return {false, "", std::strerror(error)}; }

// The first name of the second not taken yet; empty when all are.
std::string FreePath(const std::string& folder, const std::string& name) {
  const std::string stem = name.substr(0, name.size() - 4);
  for (int n = 1; n <= kMaxSameSecond; ++n) {
    const std::string path =
        folder + "/" + (n == 1 ? name : stem + "-" + std::to_string(n) + ".txt");
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 && errno == ENOENT) return path;
  }
  return {};
}

bool TakeSignal(int signal, struct sigaction& previous) {
  if (::sigaction(signal, nullptr, &previous) != 0) return false;
  if (previous.sa_handler == SIG_IGN)
    return true;  // started under nohup: the run was meant to outlive the session
  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  return ::sigaction(signal, &action, nullptr) == 0;
}

}  // namespace

bool NeedsRescue(bool ended_normally, const RescueSnapshot& snapshot) {
  return !ended_normally && snapshot.modified && !snapshot.text.empty();
}

std::string RescueFileName(const std::tm& local) {
  char stamp[32];
  if (std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local) == 0) stamp[0] = '\0';
  return std::string("rescued-") + stamp + ".txt";
}

RescueResult WriteRescueFile(const std::string& folder, const std::string& bytes,
                             std::time_t when) {
  std::tm local{};
  if (::localtime_r(&when, &local) == nullptr) return Failure(EINVAL);
  std::string temp = folder + "/.rescued-XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return Failure(errno);
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  const std::string path = ok ? FreePath(folder, RescueFileName(local)) : std::string();
  if (ok && path.empty()) error = EEXIST;
  if (path.empty() || ::rename(temp.c_str(), path.c_str()) != 0) {
    if (!path.empty()) error = errno;
    ::unlink(temp.c_str());
    return Failure(error);
  }
  // The new name survives a power cut only once the folder is on disk too.
  if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {true, path, ""};
}

TextRescue::TextRescue(Source source, std::string folder)
    : source_(std::move(source)),
      folder_(std::move(folder)),
      clock_([] { return std::time(nullptr); }),
      after_signal_(EndBySignal) {}

TextRescue::~TextRescue() {
  if (g_armed == this) g_armed = nullptr;
  if (pipe_[1] < 0) return;
  ::sigaction(SIGTERM, &previous_term_, nullptr);
  ::sigaction(SIGHUP, &previous_hup_, nullptr);
  g_wake_fd.store(-1);
  delete notifier_;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

bool TextRescue::Arm() {
  if (g_armed == this) return true;
  if (g_armed != nullptr) return false;
  static const bool registered = std::atexit(RescueAtExit) == 0;
  if (!registered) return false;
  g_armed = this;
  return true;
}

bool TextRescue::ListenForSignals() {
  if (pipe_[1] >= 0) return true;
  if (g_wake_fd.load() >= 0) return false;
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    pipe_[0] = pipe_[1] = -1;
    return false;
  }
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { OnWake(); });
  g_signal = 0;
  g_wake_fd.store(pipe_[1]);
  return TakeSignal(SIGTERM, previous_term_) && TakeSignal(SIGHUP, previous_hup_);
}

RescueResult TextRescue::Rescue() {
  if (done_) return {};
  const RescueSnapshot snapshot = source_();
  if (!NeedsRescue(ended_normally_, snapshot)) return {};
  RescueResult result = WriteRescueFile(folder_, ToUtf8(snapshot.text), clock_());
  done_ = result.written;
  if (result.written) {
    std::fprintf(stderr, "orvo: 保存していない文章を %s に書き出しました。\n", result.path.c_str());
    std::fprintf(stderr, "orvo: the unsaved text was written to %s\n", result.path.c_str());
  } else {
    std::fprintf(stderr, "orvo: 保存していない文章を書き出せません（%s）。\n",
                 result.error.c_str());
    std::fprintf(stderr, "orvo: the unsaved text could not be written to %s: %s\n", folder_.c_str(),
                 result.error.c_str());
  }
  std::fflush(stderr);
  return result;
}

void TextRescue::OnWake() {
  char bytes[64];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  const int signal = g_signal;
  if (signal == 0) return;
  g_signal = 0;
  Rescue();
  after_signal_(signal);
}

}  // namespace orvo::qt
